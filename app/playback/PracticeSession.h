// One session of the answer practice: the words drawn for it, the turn in
// progress, the replays, the verdicts and the score. The window shows what
// this says and forwards what the learner does; nothing here needs a window.
#pragma once

#include "model/History.h"
#include "model/MouthShape.h"
#include "model/WordList.h"
#include "playback/LipPattern.h"
#include "playback/Verdict.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <optional>
#include <vector>

namespace oralis {

struct PracticeWord {
    QString reading;
    QString display;
};

// The words of `list` a session numbered `session` plays, at most `count`, in
// playing order, drawn by the review rule (DrawSession) from the cards and
// shape accuracy of `history` (none while it is off). Words whose reading
// gives no lip pattern at the step base of `start` are never drawn.
std::vector<PracticeWord> DrawPracticeWords(const WordList& list, int count, const HistoryStore& history,
                                            int session, const SignTable& table, const PlaybackPlan& start,
                                            QRandomGenerator& random);

// The speed text for "ゆっくり": half the speed of `speedText`, so twice the steps.
QString HalfSpeedText(QStringView speedText);

class PracticeSession {
public:
    // Watching: the word is played and awaits an answer; Judged: the verdict
    // is shown and the word is played with its text; Finished: the score.
    enum class Phase { Watching, Judged, Finished };

    // `history` may be null or off: the session then keeps its score alone.
    // The session is stored there with its first attempt, so a session left
    // before any answer leaves nothing behind.
    PracticeSession(std::vector<PracticeWord> words, QString listName, HistoryStore* history,
                    const QDateTime& started);

    Phase phase() const { return phase_; }
    int turn() const { return turn_; }  // 0-based
    int count() const { return static_cast<int>(words_.size()); }
    // The word of the turn; null once finished.
    const PracticeWord* current() const;
    int replays() const { return replays_; }
    // Not finished yet: leaving it now would leave words unanswered.
    bool inProgress() const { return phase_ != Phase::Finished; }

    // A replay of the word in this turn, counted with the attempt while it
    // is still open; replays after the verdict are the learner's own study.
    void replayed();

    // Takes the lip pattern of the turn's word at `speedText`, the one it is
    // played and judged by. False, with the reason for the learner, when the
    // word cannot be played at that speed; the turn then waits for another try.
    bool begin(const SignTable& table, const QString& speedText, QString* whyNot);
    // The pattern begin() took; null before it.
    const LipPattern* pattern() const { return pattern_ ? &*pattern_ : nullptr; }
    // The turn's word has been played to the learner; answers are taken
    // from now on, never before.
    void shown();
    // Whether the learner may answer now: Watching, and the word shown.
    bool answerable() const { return phase_ == Phase::Watching && shown_; }

    // Judges `answerText` (with the reading the answer box gave it) against
    // the pattern of the turn, and records the attempt. Null while the turn
    // is not answerable, for a blank answer (giving up is skip()), and for an
    // answer longer than any word that can be played (`whyNot` says so).
    const AnswerVerdict* judge(const QString& answerText, const QString& answerReading, const SignTable& table,
                               const LookalikeIndex* index, const QDateTime& at, QString* whyNot = nullptr);
    // The learner gave up ("わからない"); null while the turn is not answerable.
    const AnswerVerdict* skip(const LookalikeIndex* index, const QDateTime& at);
    const std::optional<AnswerVerdict>& verdict() const { return verdict_; }

    // After a verdict: the next word, or Finished after the last.
    void goOn();

    int right() const { return right_; }
    int judged() const { return judged_; }
    // From the start to the last verdict.
    qint64 seconds() const;
    // The three shapes read wrongly most often in this session, most first.
    std::vector<BasicShape> mostMissed() const;

private:
    const AnswerVerdict* settle(AnswerVerdict verdict, const QString& answerText, const QString& answerReading,
                                const QDateTime& at);

    std::vector<PracticeWord> words_;
    QString list_;
    int session_ = 0;  // its number in the history, once stored
    HistoryStore* history_ = nullptr;
    QDateTime started_;
    QDateTime last_;
    Phase phase_ = Phase::Watching;
    int turn_ = 0;
    int replays_ = 0;
    bool shown_ = false;
    std::optional<LipPattern> pattern_;
    QString speed_;
    int right_ = 0;
    int judged_ = 0;
    std::optional<AnswerVerdict> verdict_;
    std::vector<ShapeAccuracy> accuracy_;  // per taught shape met
};

// Starts the sessions of one practice window and keeps the one started: the
// history they are stored in (opened at the first start), the draw's chance,
// and the look-alike index the session's answers are judged with.
class PracticeStarter {
public:
    explicit PracticeStarter(quint32 seed);

    // A session over the word list at `path`, named `listName` in the
    // history: as many of its words as `countText` says (a whole number from
    // 1 to the list's size) that play at `speedText`, drawn by
    // DrawPracticeWords. False, with the reason for the learner, when the
    // list does not load or holds no word, the count is not one of those, the
    // speed or the table gives no playback, or no word can be played; the
    // session before then stays.
    // The session is `learnerName`'s (HistoryStore::setLearner), refused
    // with its reason when that is no name.
    bool start(const QString& path, const QString& listName, const QString& learnerName, QStringView countText,
               const SignTable& table, QStringView speedText, const QDateTime& now, QString* whyNot);

    // The learners the history knows, whoever practises now first
    // (HistoryStore::learners); opens the history when it is not yet.
    QStringList learners();

    // The session in progress or just finished; null before the first.
    PracticeSession* session() const { return session_.get(); }
    const LookalikeIndex* lookalikes() const { return lookalikes_ ? &*lookalikes_ : nullptr; }
    HistoryStore& history() { return history_; }
    // What the last start has to say once about its list's skipped lines
    // (WordListNotices); empty when nothing.
    const QString& listNotice() const { return listNotice_; }

private:
    void openHistory();

    HistoryStore history_;
    bool historyOpened_ = false;
    QRandomGenerator random_;
    std::unique_ptr<PracticeSession> session_;
    std::optional<LookalikeIndex> lookalikes_;
    WordListNotices notices_;
    QString listNotice_;
};

// VerdictLbl's text: "Correct: 窓 (ﾏﾄﾞ)", "Looks the same: 窓 (ﾏﾄﾞ) and 孫 (ﾏｺﾞ)
// look alike on the lips", "Wrong: it was 窓 (ﾏﾄﾞ)", "Skipped: it was 窓 (ﾏﾄﾞ)".
QString VerdictText(const AnswerVerdict& verdict, const PracticeWord& word, const QString& answerText);

// DiffLbl's text for a wrong answer: the two words syllable by syllable
// ("ﾏ  [ﾄﾞ→ﾂ]"), then one line per syllable read wrongly with the shape it
// has and the one taken (MistakeLines); empty for any other verdict.
QString DiffText(const AnswerVerdict& verdict);

// ScoreLbl's text at the end: "Score: 7 / 10 · time 2:05 · most often misread:
// お, う, 閉じた口".
QString ScoreText(const PracticeSession& session);

// One session in the progress view: its number there (1, 2, 3 … in the
// order stored, one each, never merged), its score in percent, its list and
// what its tooltip says: "Session 3 · 2026/06/01 14:05 · 食べ物 · 7 of 10 right".
struct ProgressPoint {
    int number = 0;
    double percent = 0;
    double replaysPerWord = 0;
    QString date;
    QString list;
    QString label;
};
std::vector<ProgressPoint> ProgressPoints(const std::vector<SessionScore>& scores);

// The progress view's lines of shape accuracy, one per shape met, the taught
// shapes first, then 促音 and 撥音: "あ: 85% right (40 of 47)".
QStringList ShapeAccuracyLines(const std::vector<ShapeAccuracy>& accuracy);

}  // namespace oralis

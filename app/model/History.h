// The answer practice's history: every judged attempt, the review boxes and
// what the progress view asks of them, in an SQLite file (history.sqlite in
// the user's data folder). History is a help, never a condition: a file that
// cannot be opened or is damaged turns it off for the run, with a reason the
// caller says once, and practice goes on without it.
#pragma once

#include "model/MouthShape.h"
#include "model/Review.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <optional>
#include <vector>

namespace oralis {

enum class Verdict { Correct, Lookalike, Wrong, Skipped };

// "correct", "lookalike", "wrong", "skipped": the values of attempts.verdict.
QString VerdictCode(Verdict v);
std::optional<Verdict> VerdictFromCode(const QString& code);
// Looks the same counts as read right: on the lips nothing tells the words apart.
inline bool ReadRight(Verdict v) { return v == Verdict::Correct || v == Verdict::Lookalike; }

// One syllable of the word as the learner read it: `readAs` is the shape it
// was taken for where the answer put another syllable against it, empty where
// the answer has nothing against it (or the word was skipped).
struct SyllableOutcome {
    BasicShape shape = BasicShape::A;
    std::optional<BasicShape> readAs;
    bool right = false;
};

struct Attempt {
    QDateTime at;
    QString list;
    QString reading;
    QString display;
    QString answer;
    QString answerReading;
    Verdict verdict = Verdict::Skipped;
    int replays = 0;
    QString speed;  // the speed text the word was played at
    std::vector<SyllableOutcome> syllables;
};

struct SessionScore {
    int session = 0;
    QDateTime started;
    QString list;
    int attempts = 0;
    int right = 0;  // correct and looks the same
    QDateTime firstAttempt;
    QDateTime lastAttempt;
};

struct Confusion {
    BasicShape shape = BasicShape::A;
    BasicShape readAs = BasicShape::A;
    int times = 0;
};

// "お read as う: 12 times".
QString ConfusionText(const Confusion& c);

inline const QString kHistoryFileName = QStringLiteral("history.sqlite");
constexpr int kHistorySchemaVersion = 1;

class HistoryStore {
public:
    HistoryStore();
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens (creating when missing) `folder`/history.sqlite; `folder` is
    // created too. An empty folder means the user's data folder. False when
    // history is off: the file or folder cannot be opened or written, the
    // file is damaged (it is then renamed aside, never overwritten, and the
    // reason names the new name) or written by a newer version.
    bool open(const QString& folder = QString());

    bool isOn() const { return on_; }
    QString path() const { return path_; }
    // Why history is off; empty while it is on.
    QString reason() const { return reason_; }
    // The reason, the first time it is asked for after history turned off,
    // then empty: so the learner is told once.
    QString takeNotice();

    // A new session over `list`, started at `at`; its number, or 0 when
    // history is off (or turns off here).
    int startSession(const QString& list, const QDateTime& at);

    // Stores one judged attempt of `session` and moves the word's review card,
    // in one transaction. False when history is off or turns off here.
    bool record(int session, const Attempt& attempt);

    // Everything below answers empty while history is off.
    ReviewCards cards() const;
    std::vector<SessionScore> sessionScores() const;  // sessions with attempts, oldest first
    // Over all sessions, or over one when `session` is not 0; every shape met,
    // in the order of BasicShape.
    std::vector<ShapeAccuracy> shapeAccuracy(int session = 0) const;
    // Shapes taken for another shape, most often first, at most `limit`.
    std::vector<Confusion> confusions(int limit, int session = 0) const;

private:
    bool turnOff(const QString& why);
    bool createOrCheckSchema();
    QString moveAside();

    QString connection_;
    QSqlDatabase db_;
    QString path_;
    bool on_ = false;
    QString reason_;
    bool told_ = false;
};

}  // namespace oralis

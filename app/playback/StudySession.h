// The study window's session: words A and B, the cursor that steps through A,
// playing A to its end (again and again on request) and both words in turn,
// and what refuses on the way. The window shows what this says and forwards
// the learner's input; nothing here needs a window.
#pragma once

#include "model/ProgramState.h"
#include "playback/LipPattern.h"
#include "playback/Playback.h"
#include "playback/StudySteps.h"
#include "playback/StudyStrip.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace oralis {

// Where a study session plays: the renderer, the picture's draw call and the
// program's playback flag.
struct StudyPlayer {
    const LipExports& lip;
    std::function<void(int16_t)> display;
    int16_t& playbackActive;
};

// What the window shows after a move: ShapeLbl's rich text, which of the
// basic shapes' pictures is outlined, and how far the word has come ("2 / 7":
// transitions played of all there are).
struct StudyShown {
    QString caption;
    std::optional<int> outlined;
    QString where;
};

// What 比較 shows once both words have played.
struct StudyComparison {
    QString text;                     // CompareText
    std::vector<StripColumn> strip;   // A above B
};

class StudySession {
public:
    enum class Word { A, B };
    // The window's answer between two runs of a repeat. Closed: the window,
    // and the session with it, is gone.
    enum class Repeat { Again, Stop, Closed };
    using ShowStep = std::function<void(const StudyShown&)>;

    StudySession(const SignTable& table, StudyPlayer player);

    // A word box changed: its text, the reading it gave and why it gave none
    // (the box's refusal). Either word changing starts stepping from rest.
    // True when the word is another than before: what was shown of the old
    // one (caption, comparison, look-alikes) no longer holds.
    bool setWord(Word w, const QString& text, const QString& reading, const QString& refusal);
    // A reading from elsewhere (the main window's, which may come from the
    // input method's composition) over the one the box gave; true as above.
    bool setReading(Word w, const QString& reading);
    const QString& reading(Word w) const { return word(w).reading; }
    // The speed changed: stepping starts from rest.
    void restart() { cursor_.reset(); }
    bool busy() const { return busy_; }

    // The pattern of a word at `speedText`; empty, with the reason for the
    // learner, when the box holds no reading or the reading cannot be played.
    std::optional<LipPattern> pattern(Word w, QStringView speedText, QString* whyNot) const;

    // ▶ (forward) and ◀: one transition through A. Empty when nothing was
    // played: while busy, at either end, or refused (`whyNot` says why).
    std::optional<StudyShown> step(bool forward, QStringView speedText, QString* whyNot);

    // 最後まで: A from where stepping stands to its end, `shown` after each
    // move; then, while `between` says Again (it may let the window's events
    // run), A again from rest. Stops when a change restarted stepping
    // meanwhile. False when busy or refused (`whyNot`).
    bool playAll(QStringView speedText, const ShowStep& shown, const std::function<Repeat()>& between,
                 QString* whyNot);

    // 比較: A, then B, each from rest, `shown` after each move; stepping then
    // starts from rest again, since the picture shows B. Empty when busy or
    // refused (`whyNot`); nothing plays when either word is refused.
    std::optional<StudyComparison> compare(QStringView speedText, const ShowStep& shown, QString* whyNot);

    // The strips a worksheet is drawn from: A alone, and A above B.
    std::optional<std::vector<StripColumn>> wordStrip(QStringView speedText, QString* whyNot) const;
    std::optional<std::vector<StripColumn>> comparisonStrip(QStringView speedText, QString* whyNot) const;

    // 同じ口の形の語: the words of the shipped lists of `programFolder` that
    // look like A, as LookalikeText says them.
    std::optional<QString> lookalikes(QStringView speedText, const QString& programFolder, QString* whyNot) const;

private:
    struct Box {
        QString text;
        QString reading;
        QString refusal;
    };
    const Box& word(Word w) const { return words_[w == Word::A ? 0 : 1]; }
    // A cursor over A, made anew at its start, so that a change of the word,
    // the speed or the table counts from there.
    bool ensureCursor(QStringView speedText, QString* whyNot);
    // A's pattern and B's, A asked first; empty when either is refused.
    std::optional<std::pair<LipPattern, LipPattern>> patterns(QStringView speedText, QString* whyNot) const;
    StudyShown shownOf(const StepCursor& cursor, Word w) const;
    void playToEnd(StepCursor& cursor, Word w, const ShowStep& shown);

    const SignTable& table_;
    StudyPlayer player_;
    std::array<Box, 2> words_;
    std::optional<StepCursor> cursor_;
    bool busy_ = false;
};

}  // namespace oralis

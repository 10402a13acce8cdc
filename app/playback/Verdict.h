// The verdict on a learner's answer in the answer practice, and the texts
// that line two words up syllable by syllable.
#pragma once

#include "model/History.h"
#include "playback/LipPattern.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace oralis {

struct AnswerVerdict {
    Verdict kind = Verdict::Skipped;
    LipPattern word;
    // Empty when the answer's reading gives no pattern (it was not kana).
    std::optional<LipPattern> answer;
    // The word's syllables (a) against the answer's (b), whenever the answer
    // has a pattern.
    std::vector<SyllablePair> alignment;
    // The other words of the lists that look exactly like the word.
    QList<LookalikeIndex::Word> lookalikes;
    // One per spoken syllable of the word, for the history.
    std::vector<SyllableOutcome> outcomes;
};

// Judges an answer to `word` (its pattern, as played) written `display`:
// correct when the answer's reading is the word's, long vowels written either
// way (SameReading), also once kana spelled as written are read as spoken
// (ｿﾚﾊ as ｿﾚﾜ: MecabReader::spokenKana), or the answer is the display text; looks the same when
// the answer's reading plays the same signs with the same step counts; a blank
// answer is skipped; anything else is wrong. `answerReading` is the reading
// the word box gave the answer. `index` may be null (no lookalikes are listed).
AnswerVerdict JudgeAnswer(const LipPattern& word, const QString& display, const QString& answerText,
                          const QString& answerReading, const SignTable& table,
                          const LookalikeIndex* index);

// The verdict when the learner gives up.
AnswerVerdict SkippedAnswer(const LipPattern& word, const LookalikeIndex* index);

// One line per syllable read wrongly: "ﾄ (お) read as ﾂ (う)", "ﾄ (お) not
// seen", "ﾂ (う) added".
QStringList MistakeLines(const AnswerVerdict& verdict);

// The study window's comparison of A and B: "同じ口の形" when they look the
// same, else one line per differing pair, "ﾏ (閉じた口) / ﾅ (あ)", with "—" for
// a syllable one of them lacks.
QString CompareText(const LipPattern& a, const LipPattern& b);

}  // namespace oralis

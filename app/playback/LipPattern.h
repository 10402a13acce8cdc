// The lip pattern of a reading: its syllables with the sign each plays and the
// step counts of that sign's frames, taken from the plan playback runs. Two
// readings look the same when they play the same signs with the same step
// counts; on the lips nothing tells them apart.
#pragma once

#include "model/Alignment.h"
#include "model/MouthShape.h"
#include "model/WordList.h"
#include "playback/Playback.h"

#include <QList>
#include <QStringList>
#include <QString>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

namespace oralis {

struct PatternSyllable {
    QString kana;       // the characters of the reading this entry was made from
    int start = 0;      // where they start in the reading, for a caption to highlight
    int16_t syllableClass = 0;
    int16_t vowel = -1;
    int sign = 0;
    std::vector<int16_t> steps;  // one per frame of the sign
    BasicShape shape = BasicShape::Rest;
    int firstTarget = 0;  // index of its first frame in plan.targets
};

struct LipPattern {
    QString reading;
    PlaybackPlan plan;  // exactly what PlayUtterance would run
    // Entry 0 is the rest entry every utterance starts with (no kana).
    std::vector<PatternSyllable> syllables;

    // Syllables after the rest entry.
    int spoken() const { return static_cast<int>(syllables.size()) - 1; }
};

// The pattern of a half-width katakana reading at the speed of `speedText`.
// Empty, with the reason in words for the user, when the reading does not
// parse, the speed gives no step base, sign 0 has no frame or a step count
// does not fit.
std::optional<LipPattern> PatternOfReading(const QString& reading, const SignTable& table,
                                           QStringView speedText, QString* whyNot = nullptr);

// The same at the step base and rest shape of `start` (a plan from BeginPlan;
// its targets are not used), for many readings at one speed.
std::optional<LipPattern> PatternOfReading(const QString& reading, const SignTable& table,
                                           const PlaybackPlan& start, QString* whyNot = nullptr);

bool SameLook(const PatternSyllable& a, const PatternSyllable& b);
bool LooksSame(const LipPattern& a, const LipPattern& b);
// What two patterns must share to look the same, laid out flat: patterns
// look the same exactly when their keys are equal (for grouping and maps).
std::vector<int> LookKey(const LipPattern& p);

// One aligned pair of two patterns' syllables (the rest entries left out);
// `a` and `b` index the patterns' syllables, -1 where one side has none.
struct SyllablePair {
    PairKind kind = PairKind::Match;
    int a = -1;
    int b = -1;
};

// What makes two syllables a match. Look: they look the same (SameLook), as
// a comparison of two words on the lips asks. Reading: they look the same or
// are the same syllable (SameReading of their kana): ﾝ answered for ﾝ is read
// right, though ﾎﾝ and ﾊﾟﾝ hold their ﾝ with other vowels.
enum class PairedBy { Look, Reading };

// The least-cost pairing of two patterns' syllables by mouth shape: a pair of
// the same basic shape costs less than one of two shapes, so that an answer
// is lined up with the syllables it looks like.
std::vector<SyllablePair> AlignPatterns(const LipPattern& a, const LipPattern& b, PairedBy by = PairedBy::Look);

// The reading with every vowel that lengthens the one before it written as ｰ:
// the same vowel again, ｲ after an e and ｳ after an o (ｺｳ, ｺｵ and ｺｰ all give
// ｺｰ), the pairs the parser merges into one long syllable. A vowel after ﾝ or
// ｯ starts a syllable of its own.
QString LongVowelsMarked(const QString& reading);

// Readings that differ at most in how long vowels are written.
bool SameReading(const QString& a, const QString& b);

// Words of one or more lists, found by how they look.
class LookalikeIndex {
public:
    struct Word {
        QString reading;
        QString display;
        QString list;
    };

    // Patterns are taken at the step base of `start` (from BeginPlan). The
    // index holds no reference to the table: after an edit of the table or a
    // change of speed, build a new one.
    explicit LookalikeIndex(const PlaybackPlan& start);

    // Adds the words of `list` under the name `listName`. A word already held
    // with the same reading and display text is not added twice; a reading
    // that gives no pattern is left out. Returns the number added.
    int add(const WordList& list, const QString& listName, const SignTable& table);

    // Every held word that looks exactly like `pattern`, in the order added,
    // leaving out those whose reading is `pattern`'s own (SameReading).
    QList<Word> lookingLike(const LipPattern& pattern) const;

    int size() const { return static_cast<int>(words_.size()); }

private:
    PlaybackPlan start_;
    std::vector<Word> words_;
    std::multimap<std::vector<int>, int> byLook_;  // look key to index in words_
};

// The index of the word lists at `paths`, each listed under its file name, at
// the step base of `start`. A list that cannot be read adds nothing.
LookalikeIndex LookalikesOfLists(const QStringList& paths, const SignTable& table, const PlaybackPlan& start);

}  // namespace oralis

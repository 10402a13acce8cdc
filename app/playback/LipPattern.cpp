#include "playback/LipPattern.h"

#include "model/KanaParser.h"
#include "model/ProgramState.h"
#include "model/Refusal.h"

#include <set>
#include <utility>

namespace oralis {

namespace {

constexpr char16_t kLongMark = u'ｰ';

// The vowel a character ends its mora on, -1 for one that ends on none (ﾝ,
// ｯ, anything not kana), -2 for one that leaves the vowel before it in place
// (ｰ and the voicing marks).
int VowelAfter(QChar ch)
{
    const int c = KanaCode(ch);
    if (c >= 177 && c <= 181)
        return c - 177;
    if (c >= 167 && c <= 171)  // ｧ..ｫ, as in ﾌｧ
        return c - 167;
    if (c >= 182 && c <= 211)
        return (c - 182) % 5;
    if (c >= 215 && c <= 219)
        return c - 215;
    switch (c) {
    case 166: return 4;  // ｦ
    case 172: case 212: case 220: return 0;  // ｬ ﾔ ﾜ
    case 173: case 213: return 2;  // ｭ ﾕ
    case 174: case 214: return 4;  // ｮ ﾖ
    case 176: case 222: case 223: return -2;
    default: return -1;
    }
}

}  // namespace

std::vector<int> LookKey(const LipPattern& p)
{
    std::vector<int> key;
    for (size_t i = 1; i < p.syllables.size(); ++i) {
        const PatternSyllable& s = p.syllables[i];
        key.push_back(s.sign);
        key.push_back(static_cast<int>(s.steps.size()));
        key.insert(key.end(), s.steps.begin(), s.steps.end());
    }
    return key;
}

std::optional<LipPattern> PatternOfReading(const QString& reading, const SignTable& table,
                                           QStringView speedText, QString* whyNot)
{
    const std::optional<PlaybackPlan> start = BeginPlan(table, speedText, whyNot);
    if (!start)
        return std::nullopt;
    return PatternOfReading(reading, table, *start, whyNot);
}

std::optional<LipPattern> PatternOfReading(const QString& reading, const SignTable& table,
                                           const PlaybackPlan& start, QString* whyNot)
{
    Syllables parsed;
    ParseFailure failure = ParseFailure::None;
    if (ParseKana(reading, parsed, &failure) != -1) {
        Refuse(whyNot, ParseRefusalMessage(failure));
        return std::nullopt;
    }

    LipPattern pattern;
    pattern.reading = reading;
    pattern.plan.base = start.base;
    pattern.plan.rest = start.rest;
    pattern.syllables.resize(static_cast<size_t>(parsed.SyllableCount));

    // The parser does not say which characters made an entry; the entry a
    // character lands in is the last one of the parse of the reading up to it.
    // A character that only modifies (ﾞ, ｰ, ｬ) stays with the entry it modifies.
    Syllables prefix;
    for (int k = 0; k < reading.size(); ++k) {
        ParseKana(reading.left(k + 1), prefix);
        PatternSyllable& owner = pattern.syllables[static_cast<size_t>(prefix.SyllableCount - 1)];
        if (owner.kana.isEmpty())
            owner.start = k;
        owner.kana += reading[k];
    }

    for (int e = 0; e < parsed.SyllableCount; ++e) {
        PatternSyllable& s = pattern.syllables[static_cast<size_t>(e)];
        s.syllableClass = parsed.SyllableClass[static_cast<size_t>(e)];
        s.vowel = parsed.SyllableVowel[static_cast<size_t>(e)];
        s.sign = SignForEntry(s.syllableClass, s.vowel);
        s.shape = ShapeOfEntry(s.syllableClass, s.sign);
        s.firstTarget = static_cast<int>(pattern.plan.targets.size());
        if (!AddSignToPlan(pattern.plan, table, s.sign, (s.syllableClass & kLongFlag) != 0, whyNot))
            return std::nullopt;
        for (size_t t = static_cast<size_t>(s.firstTarget); t < pattern.plan.targets.size(); ++t)
            s.steps.push_back(pattern.plan.targets[t].steps);
    }
    return pattern;
}

bool SameLook(const PatternSyllable& a, const PatternSyllable& b)
{
    return a.sign == b.sign && a.steps == b.steps;
}

bool LooksSame(const LipPattern& a, const LipPattern& b)
{
    return LookKey(a) == LookKey(b);
}

std::vector<SyllablePair> AlignPatterns(const LipPattern& a, const LipPattern& b, PairedBy by)
{
    // Two shapes cost more than a syllable left out, less than one left out
    // on each side: a misread syllable is still shown against its partner.
    constexpr int kSameShape = 1;
    constexpr int kOtherShape = 3;
    constexpr int kLeftOut = 2;
    const auto pairs = AlignSequences(a.spoken(), b.spoken(), [&](int i, int j) {
        const PatternSyllable& x = a.syllables[static_cast<size_t>(i) + 1];
        const PatternSyllable& y = b.syllables[static_cast<size_t>(j) + 1];
        if (SameLook(x, y) || (by == PairedBy::Reading && SameReading(x.kana, y.kana)))
            return 0;
        return x.shape == y.shape ? kSameShape : kOtherShape;
    }, kLeftOut);
    std::vector<SyllablePair> out;
    out.reserve(pairs.size());
    for (const AlignedPair& p : pairs)
        out.push_back({p.kind, p.a < 0 ? -1 : p.a + 1, p.b < 0 ? -1 : p.b + 1});
    return out;
}

QString LongVowelsMarked(const QString& reading)
{
    QString out;
    out.reserve(reading.size());
    int before = -1;
    for (QChar ch : reading) {
        const int c = KanaCode(ch);
        const int after = VowelAfter(ch);
        if (c >= 177 && c <= 181 && before >= 0) {
            const int v = c - 177;
            if (v == before || (v == 1 && before == 3) || (v == 2 && before == 4)) {
                out += QChar(kLongMark);
                continue;
            }
        }
        out += ch;
        if (after != -2)
            before = after;
    }
    return out;
}

bool SameReading(const QString& a, const QString& b)
{
    return LongVowelsMarked(a) == LongVowelsMarked(b);
}

LookalikeIndex::LookalikeIndex(const PlaybackPlan& start)
{
    start_.base = start.base;
    start_.rest = start.rest;
}

int LookalikeIndex::add(const WordList& list, const QString& listName, const SignTable& table)
{
    std::set<std::pair<QString, QString>> held;
    for (const Word& w : words_)
        held.insert({w.reading, w.display});
    int added = 0;
    for (int i = 0; i < list.size(); ++i) {
        const QString& reading = list.readings[i];
        const QString& display = list.displays[i];
        if (!held.insert({reading, display}).second)
            continue;
        const std::optional<LipPattern> p = PatternOfReading(reading, table, start_);
        if (!p)
            continue;
        byLook_.emplace(LookKey(*p), static_cast<int>(words_.size()));
        words_.push_back({reading, display, listName});
        ++added;
    }
    return added;
}

QList<LookalikeIndex::Word> LookalikeIndex::lookingLike(const LipPattern& pattern) const
{
    QList<Word> found;
    // A multimap keeps equal keys in the order they were added.
    const auto [first, last] = byLook_.equal_range(LookKey(pattern));
    for (auto it = first; it != last; ++it) {
        const Word& w = words_[static_cast<size_t>(it->second)];
        if (!SameReading(w.reading, pattern.reading))
            found.push_back(w);
    }
    return found;
}

LookalikeIndex LookalikesOfLists(const QStringList& paths, const SignTable& table, const PlaybackPlan& start)
{
    LookalikeIndex index(start);
    for (const QString& path : paths) {
        WordList list;
        if (LoadWordList({path}, list))
            index.add(list, WordListTitle(path, ProgramFolder()), table);
    }
    return index;
}

}  // namespace oralis

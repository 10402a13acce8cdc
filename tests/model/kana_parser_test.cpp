#include "model/KanaParser.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace oralis;

namespace {

using Entries = std::vector<std::pair<int16_t, int16_t>>;  // vowel, class of entries 1..

constexpr int16_t P = kPalatalFlag, G = kGeminateFlag, L = kLongFlag;

Entries EntriesOf(const Syllables& s)
{
    Entries e;
    for (int i = 1; i < s.SyllableCount; ++i)
        e.emplace_back(s.SyllableVowel[static_cast<size_t>(i)], s.SyllableClass[static_cast<size_t>(i)]);
    return e;
}

TEST(ParseKana, MergesModifiersIntoTheEntryTheyChange)
{
    const struct {
        const char16_t* reading;
        Entries entries;
    } cases[] = {
        {u"", {}},
        {u"ｶｷｸｹｺ", {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}},
        {u"ｻﾀﾅﾊﾏﾔﾗﾜｦ", {{0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}, {0, 8}, {0, 8}, {0, 10}, {0, 1}}},
        {u"ﾕﾖﾙ", {{2, 8}, {4, 8}, {2, 8}}},
        {u"ﾊﾞ", {{0, 11}}},
        {u"ｶﾞ", {{0, 2}}},
        {u"ｶﾟ", {{0, 12}}},
        {u"ﾋﾟ", {{1, 12}}},
        {u"ｷｬ", {{0, 2 | P}}},
        {u"ｷｮｰ", {{4, 2 | P | L}}},
        {u"ﾁｭ", {{2, 4 | P}}},
        {u"ﾋｬﾞ", {{0, 6 | P}}},  // voicing only turns a plain h into b
        {u"ｷｬﾟ", {{0, 12}}},     // the semi-voiced mark replaces the flags
        {u"ｹｲ", {{3, 2 | L}}},
        {u"ｺｳ", {{4, 2 | L}}},
        {u"ｶｱ", {{0, 2 | L}}},
        {u"ｶｲ", {{0, 2}, {1, 1}}},
        {u"ｴｲｵｳ", {{3, 1 | L}, {4, 1 | L}}},
        {u"ﾄｳｷｮｳ", {{4, 4 | L}, {4, 2 | P | L}}},
        {u"ｶｯﾀ", {{0, 2}, {0, G}, {0, 4}}},
        {u"ｼｬｯｷﾝ", {{0, 3 | P}, {0, G}, {1, 2}, {1, 13}}},
        {u"ﾝ", {{-1, 13}}},
        {u"ｯｶ", {{-1, G}, {0, 2}}},
        {u"ｶﾝｱ", {{0, 2}, {0, 13 | L}}},
        {u"ｱ", {{0, 1}}},
        {u"ｱｱ", {{0, 1 | L}}},
        {u"ｳｰ", {{2, 1 | L}}},
        {u"ｧｨｩｪｫ", {}},
        {u"ﾞｶ", {{0, 2}}},
    };
    for (const auto& c : cases) {
        const QString reading = QString::fromUtf16(c.reading);
        SCOPED_TRACE(reading.toStdString());
        Syllables s;
        ParseFailure why = ParseFailure::UnsupportedCharacter;
        ASSERT_EQ(ParseKana(reading, s, &why), -1);
        EXPECT_EQ(why, ParseFailure::None);
        EXPECT_EQ(s.SyllableClass[0], 4096);
        EXPECT_EQ(s.SyllableVowel[0], -1);
        EXPECT_EQ(EntriesOf(s), c.entries);
    }
}

Syllables Earlier()
{
    Syllables s;
    ParseKana(QStringLiteral("ﾄｳｷｮｳ"), s);
    s.SyllableClass[0] = 7;  // shows whether entry 0 was reset
    return s;
}

TEST(ParseKana, RefusesAReadingAndKeepsTheEarlierEntries)
{
    const struct {
        QString reading;
        ParseFailure why;
    } cases[] = {
        {QStringLiteral("カ"), ParseFailure::UnsupportedCharacter},       // full width
        {QStringLiteral("ｶﾞｯｺｳ漢"), ParseFailure::UnsupportedCharacter},
        {QStringLiteral("ｶ ｶ"), ParseFailure::UnsupportedCharacter},
        {QStringLiteral("ｶa"), ParseFailure::UnsupportedCharacter},
        {QStringLiteral("ｶ｡"), ParseFailure::UnsupportedCharacter},       // U+FF61, half-width punctuation
        {QStringLiteral("ｶ\uFFA0"), ParseFailure::UnsupportedCharacter},  // just past the kana block
        {QString(33, QChar(0xFF76)), ParseFailure::TooManySyllables},
        {QString(32, QChar(0xFF76)) + QStringLiteral("ﾝ"), ParseFailure::TooManySyllables},
        {QString(32, QChar(0xFF76)) + QStringLiteral("ｯ"), ParseFailure::TooManySyllables},
        {QString(32, QChar(0xFF76)) + QStringLiteral("ｲ"), ParseFailure::TooManySyllables},
    };
    const Syllables before = Earlier();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reading.toStdString());
        Syllables s = before;
        ParseFailure why = ParseFailure::None;
        EXPECT_EQ(ParseKana(c.reading, s, &why), 0);
        EXPECT_EQ(why, c.why);
        EXPECT_EQ(s.SyllableCount, before.SyllableCount);
        EXPECT_EQ(s.SyllableClass[0], 4096);
        EXPECT_EQ(s.SyllableVowel[0], -1);
        for (int i = 1; i < kSyllableSlots; ++i) {
            EXPECT_EQ(s.SyllableClass[static_cast<size_t>(i)], before.SyllableClass[static_cast<size_t>(i)]);
            EXPECT_EQ(s.SyllableVowel[static_cast<size_t>(i)], before.SyllableVowel[static_cast<size_t>(i)]);
        }
    }
}

TEST(ParseKana, FillsAllThirtyTwoEntries)
{
    Syllables s;
    ASSERT_EQ(ParseKana(QString(31, QChar(0xFF76)) + QStringLiteral("ﾝｰﾞ"), s), -1);
    EXPECT_EQ(s.SyllableCount, 33);
    EXPECT_EQ(s.SyllableClass[32], 13 | L);
}

TEST(KanaCode, MapsTheHalfWidthKanaBlockFromWo)
{
    EXPECT_EQ(KanaCode(QChar(0xFF66)), 166);  // ｦ
    EXPECT_EQ(KanaCode(QChar(0xFF71)), 177);  // ｱ
    EXPECT_EQ(KanaCode(QChar(0xFF9D)), 221);  // ﾝ
    EXPECT_EQ(KanaCode(QChar(0xFF9F)), 223);  // ﾟ
    for (char16_t c : {u'\uFF65', u'\uFF61', u'\uFFA0', u'ア', u'A', u'\0'})
        EXPECT_EQ(KanaCode(QChar(c)), -1);
}

}  // namespace

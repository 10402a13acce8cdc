#include "model/KanaReading.h"

#include "ReadingCase.h"

#include <gtest/gtest.h>

using namespace oralis;

namespace {

using oralis::tests::Some;
using Case = oralis::tests::ReadingCase;

QString Q(const char16_t* s)
{
    return QString::fromUtf16(s);
}

class Romaji : public testing::TestWithParam<Case> {};

TEST_P(Romaji, ReadsAsHalfWidthKatakana)
{
    const Case& c = GetParam();
    const std::optional<QString> reading = RomajiToHalfWidth(Q(c.text));
    if (c.reading) {
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(*reading, Q(c.reading));
    } else {
        EXPECT_FALSE(reading.has_value()) << reading.value_or(QString()).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    HepburnAndKunrei, Romaji,
    testing::Values(
        Case{u"sakana", u"ｻｶﾅ"}, Case{u"shi", u"ｼ"}, Case{u"si", u"ｼ"},
        Case{u"tsu", u"ﾂ"}, Case{u"tu", u"ﾂ"}, Case{u"chi", u"ﾁ"}, Case{u"ti", u"ﾁ"},
        Case{u"fu", u"ﾌ"}, Case{u"hu", u"ﾌ"}, Case{u"ji", u"ｼﾞ"}, Case{u"zi", u"ｼﾞ"},
        Case{u"ja", u"ｼﾞｬ"}, Case{u"zya", u"ｼﾞｬ"}, Case{u"jya", u"ｼﾞｬ"},
        Case{u"sha", u"ｼｬ"}, Case{u"sya", u"ｼｬ"},
        Case{u"cha", u"ﾁｬ"}, Case{u"tya", u"ﾁｬ"}, Case{u"cya", u"ﾁｬ"},
        Case{u"kyou", u"ｷｮｳ"}, Case{u"wo", u"ｦ"}, Case{u"gakkou", u"ｶﾞｯｺｳ"},
        Case{u"vu", u"ｳﾞ"}, Case{u"pan", u"ﾊﾟﾝ"}, Case{u"ba", u"ﾊﾞ"}));

INSTANTIATE_TEST_SUITE_P(
    SyllabicN, Romaji,
    testing::Values(
        Case{u"hon", u"ﾎﾝ"},              // final n
        Case{u"honya", u"ﾎﾆｬ"},           // n + ya is nya
        Case{u"hon'ya", u"ﾎﾝﾔ"},          // the apostrophe keeps n syllabic
        Case{u"kin'en", u"ｷﾝｴﾝ"},
        Case{u"honnda", u"ﾎﾝﾀﾞ"},         // nn before a consonant
        Case{u"honn", u"ﾎﾝ"},
        Case{u"onna", u"ｵﾝﾅ"},            // Hepburn: n then na
        Case{u"konnichiwa", u"ｺﾝﾆﾁﾜ"},
        Case{u"minnna", u"ﾐﾝﾅ"},          // keyboard habit: nn then na
        Case{u"sanpo", u"ｻﾝﾎﾟ"},
        Case{u"shimbun", u"ｼﾝﾌﾞﾝ"},       // Hepburn m before b, p
        Case{u"tempura", u"ﾃﾝﾌﾟﾗ"}));

INSTANTIATE_TEST_SUITE_P(
    DoubledConsonantsAndLongVowels, Romaji,
    testing::Values(
        Case{u"kitte", u"ｷｯﾃ"}, Case{u"zasshi", u"ｻﾞｯｼ"}, Case{u"kippu", u"ｷｯﾌﾟ"},
        Case{u"matcha", u"ﾏｯﾁｬ"}, Case{u"maccha", u"ﾏｯﾁｬ"},
        Case{u"ra-men", u"ﾗｰﾒﾝ"}, Case{u"tōkyō", u"ﾄｰｷｮｰ"}, Case{u"TÔKYÔ", u"ﾄｰｷｮｰ"}));

INSTANTIATE_TEST_SUITE_P(
    CaseWidthAndBlanks, Romaji,
    testing::Values(
        Case{u"SAKANA", u"ｻｶﾅ"}, Case{u"SaKaNa", u"ｻｶﾅ"}, Case{u"ｓａｋａｎａ", u"ｻｶﾅ"},
        Case{u"ＳＡＫＡＮＡ", u"ｻｶﾅ"}, Case{u"ohayou gozaimasu", u"ｵﾊﾖｳｺﾞｻﾞｲﾏｽ"},
        Case{u"ra－men", u"ﾗｰﾒﾝ"}));

INSTANTIATE_TEST_SUITE_P(
    NotRomaji, Romaji,
    testing::Values(
        Case{u"", nullptr}, Case{u"-", nullptr}, Case{u"sak", nullptr}, Case{u"q", nullptr},
        Case{u"abc", nullptr}, Case{u"sakana1", nullptr}, Case{u"さかな", nullptr},
        Case{u"sakana!", nullptr}, Case{u"x", nullptr}));

class Kana : public testing::TestWithParam<Case> {};

TEST_P(Kana, ReadsAsHalfWidthKatakana)
{
    const Case& c = GetParam();
    const std::optional<QString> reading = KanaToHalfWidth(Q(c.text));
    EXPECT_EQ(IsKanaText(Q(c.text)), c.reading != nullptr && *c.reading != 0);
    if (c.reading) {
        ASSERT_TRUE(reading.has_value());
        EXPECT_EQ(*reading, Q(c.reading));
    } else {
        EXPECT_FALSE(reading.has_value());
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllWidths, Kana,
    testing::Values(
        Case{u"さかな", u"ｻｶﾅ"}, Case{u"サカナ", u"ｻｶﾅ"}, Case{u"ｻｶﾅ", u"ｻｶﾅ"},
        Case{u"がっこう", u"ｶﾞｯｺｳ"}, Case{u"ガッコー", u"ｶﾞｯｺｰ"},
        Case{u"パン", u"ﾊﾟﾝ"}, Case{u"ぽぷ", u"ﾎﾟﾌﾟ"}, Case{u"ヴァ", u"ｳﾞｧ"}, Case{u"ゔ", u"ｳﾞ"},
        Case{u"ァィゥェォャュョッ", u"ｧｨｩｪｫｬｭｮｯ"}, Case{u"ぁぃぅぇぉゃゅょっ", u"ｧｨｩｪｫｬｭｮｯ"},
        Case{u"ヮヰヱヲ", u"ﾜｲｴｦ"}, Case{u"ゎゐゑを", u"ﾜｲｴｦ"}, Case{u"ヵヶ", u"ｶｹ"},
        Case{u"ヷヸヹヺ", u"ﾜﾞｲﾞｴﾞｦﾞ"},
        Case{u"ラーメン", u"ﾗｰﾒﾝ"}, Case{u"ﾗｰﾒﾝ", u"ﾗｰﾒﾝ"},
        Case{u"か\u3099", u"ｶﾞ"}, Case{u"は\u309A", u"ﾊﾟ"},  // combining marks
        Case{u"おはよう　ございます", u"ｵﾊﾖｳｺﾞｻﾞｲﾏｽ"}));

INSTANTIATE_TEST_SUITE_P(
    NotKana, Kana,
    testing::Values(Case{u"魚", nullptr}, Case{u"さかなを食べる", nullptr}, Case{u"sakana", nullptr},
                    Case{u"さかな。", nullptr}, Case{u"ｻｶﾅ1", nullptr}, Case{u"・", nullptr},
                    Case{u"｡", nullptr}));

TEST(HiraganaToKatakana, ShiftsOnlyHiragana)
{
    EXPECT_EQ(HiraganaToKatakana(u"ぁさかなゖゔ魚ア a"), QString::fromUtf16(u"ァサカナヶヴ魚ア a"));
}

TEST(OwnReading, KanaFirstThenRomajiElseNothing)
{
    EXPECT_EQ(OwnReading(u"さかな"), Some(u"ｻｶﾅ"));
    EXPECT_EQ(OwnReading(u"sakana"), Some(u"ｻｶﾅ"));
    EXPECT_EQ(OwnReading(u""), std::optional<QString>(QString()));
    EXPECT_EQ(OwnReading(u"  "), std::optional<QString>(QString()));
    EXPECT_FALSE(OwnReading(u"学校").has_value());
    EXPECT_FALSE(OwnReading(u"さかなsakana").has_value());
}

// Sequences of preedits and commits as an input method sends them.
TEST(CompositionReading, LastKanaPreeditIsTheReadingOfTheConversion)
{
    CompositionReading c;
    for (const char16_t* p : {u"ｓ", u"さ", u"さｋ", u"さか", u"さかｎ", u"さかな", u"魚"})
        c.preedit(p);
    EXPECT_EQ(c.commit(u"魚", u""), Some(u"ｻｶﾅ"));

    // The reading does not carry over to a commit without composition.
    EXPECT_FALSE(c.commit(u"魚", u"").has_value());
}

TEST(CompositionReading, SecondConversionKeepsOnlyItsOwnReading)
{
    CompositionReading c;
    c.preedit(u"きょう");
    c.preedit(u"今日");
    EXPECT_EQ(c.commit(u"今日", u""), Some(u"ｷｮｳ"));
    c.preedit(u"がっこう");
    c.preedit(u"学校");
    EXPECT_EQ(c.commit(u"学校", u""), Some(u"ｶﾞｯｺｳ"));
}

TEST(CompositionReading, UnconvertedKanaAndCancelledCompositions)
{
    CompositionReading c;
    c.preedit(u"がっこう");
    EXPECT_EQ(c.commit(u"がっこう", u""), Some(u"ｶﾞｯｺｳ"));

    // Escape empties the preedit: the kana must not stick to the next commit.
    c.preedit(u"さかな");
    c.preedit(u"");
    EXPECT_FALSE(c.commit(u"魚", u"").has_value());

    // Going back from a conversion to kana and converting again.
    c.preedit(u"さかな");
    c.preedit(u"魚");
    c.preedit(u"さかなを");
    c.preedit(u"魚を");
    EXPECT_EQ(c.commit(u"魚を", u""), Some(u"ｻｶﾅｦ"));
}

TEST(CompositionReading, PartialCommitGivesNoReading)
{
    CompositionReading c;
    c.preedit(u"きょうはさかな");
    c.preedit(u"今日は魚");
    EXPECT_FALSE(c.commit(u"今日は", u"魚").has_value());
    // The rest of the composition is still pending.
    c.preedit(u"さかな");
    EXPECT_EQ(c.commit(u"魚", u""), Some(u"ｻｶﾅ"));
}

}  // namespace

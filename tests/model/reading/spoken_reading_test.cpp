#include "model/MecabReading.h"

#include <gtest/gtest.h>

using namespace oralis;

namespace {

// Each case names where its reading is taught; the native words keep both
// vowels.
TEST(SpokenReading, ReadsTextAsItIsSaid)
{
    const struct {
        const char16_t* text;
        const char16_t* reading;
        const char* source;
    } cases[] = {
        {u"先生", u"ｾﾝｾｰ", "NHK pronunciation dictionary: ei is said as a long e"},
        {u"時計", u"ﾄｹｰ", "現代仮名遣い, 付記: とけい"},
        {u"映画", u"ｴｰｶﾞ", "現代仮名遣い, 付記: えいが"},
        {u"丁寧", u"ﾃｰﾈｰ", "現代仮名遣い, 付記: ていねい"},
        {u"お礼", u"ｵﾚｰ", "礼 レイ is an on-reading; the kana before it places it"},
        {u"一生懸命", u"ｲｯｼｮｰｹﾝﾒｰ", "生 read ショウ here; 命 メイ at the end"},
        {u"手入れ", u"ﾃｲﾚ", "native compound 手 + 入れ: both vowels said"},
        {u"目医者", u"ﾒｲｼｬ", "目 め (native) + 医者: both vowels said"},
        {u"毛糸", u"ｹｲﾄ", "毛 け + 糸 いと, both native"},
        {u"姪", u"ﾒｲ", "めい is the native reading of 姪, not an on-reading"},
        {u"思う", u"ｵﾓｳ", "verb stem おも + ending う"},
        {u"学校", u"ｶﾞｯｺｰ", "ipadic's pronunciation already has the long o"},
        {u"何ですか", u"ﾅﾝﾃﾞｽｶ", "NHK 放送文化研究所: なん before d, t, n"},
        {u"何の", u"ﾅﾝﾉ", "なん before n"},
        {u"何でも", u"ﾅﾝﾃﾞﾓ", "なん before d"},
        {u"何が", u"ﾅﾆｶﾞ", "なに before g"},
        {u"何曜日", u"ﾅﾝﾖｰﾋﾞ", "なん before 曜日"},
        {u"何名様", u"ﾅﾝﾒｰｻﾏ", "なん before the counter 名"},
        {u"次は何駅ですか", u"ﾂｷﾞﾜﾅﾆｴｷﾃﾞｽｶ", "なに: which station"},
        {u"三時に会いましょう", u"ｻﾝｼﾞﾆｱｲﾏｼｮｰ", "現代仮名遣い: the long o written with う"},
        {u"行こう", u"ｲｺｰ", "現代仮名遣い, オ列の長音: あそぼう"},
        {u"雨でしょう", u"ｱﾒﾃﾞｼｮｰ", "現代仮名遣い, オ列の長音: よいでしょう"},
        {u"袋はいりません", u"ﾌｸﾛﾜｲﾘﾏｾﾝ", "the topic particle は is said わ (現代仮名遣い, 第2)"},
        {u"箱にはいります", u"ﾊｺﾆﾊｲﾘﾏｽ", "入る after a particle stays はいる"},
        {u"学校へ行く", u"ｶﾞｯｺｰｴｲｸ", "the particle へ is said え (現代仮名遣い, 第2)"},
        {u"魚を食べる。", u"ｻｶﾅｵﾀﾍﾞﾙ", "the particle を is said お (現代仮名遣い, 第2)"},
        {u"一人", u"ﾋﾄﾘ", "常用漢字表, 付表: 一人 ひとり"},
        {u"二人で", u"ﾌﾀﾘﾃﾞ", "常用漢字表, 付表: 二人 ふたり"},
        {u"十一人", u"ｼﾞｭｰｲﾁﾆﾝ", "a larger number keeps the counter にん"},
        {u"四人家族", u"ﾖﾆﾝｶｿﾞｸ", "常用漢字表: 四 よ, as in 四人"},
    };
    MecabReader reader;
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(reader.reading(text), std::optional(QString::fromUtf16(c.reading)))
            << text.toStdString() << " (" << c.source << ")";
    }
    EXPECT_FALSE(reader.unavailable()) << reader.failure().toStdString();
}

TEST(SpokenReading, OffersTheReadingsOfWordsWrittenAlike)
{
    MecabReader reader;
    EXPECT_EQ(reader.readings(QStringLiteral("これは辛いですか")),
              (QStringList{QStringLiteral("ｺﾚﾜﾂﾗｲﾃﾞｽｶ"), QStringLiteral("ｺﾚﾜｶﾗｲﾃﾞｽｶ")}));
    EXPECT_TRUE(reader.readings(QStringLiteral("市場")).contains(QStringLiteral("ｲﾁﾊﾞ")));
    EXPECT_EQ(reader.readings(QStringLiteral("先生")), QStringList{QStringLiteral("ｾﾝｾｰ")});
    EXPECT_TRUE(reader.readings(QStringLiteral("xyz")).isEmpty());
}

TEST(SpokenReading, ReadsKanaAsItIsSpoken)
{
    MecabReader reader;
    EXPECT_EQ(reader.spokenKana(u"ｿﾚﾊﾅﾆﾃﾞｽｶ"), std::optional(QStringLiteral("ｿﾚﾜﾅﾝﾃﾞｽｶ")));
    EXPECT_EQ(reader.spokenKana(u"ﾌｸﾛﾊｲﾘﾏｾﾝ"), std::optional(QStringLiteral("ﾌｸﾛﾜｲﾘﾏｾﾝ")));
    EXPECT_EQ(reader.spokenKana(u"ﾊﾅ"), std::optional(QStringLiteral("ﾊﾅ")));
    EXPECT_FALSE(reader.spokenKana(u"花").has_value());
}

}  // namespace

#include "model/NumberReading.h"

#include <gtest/gtest.h>

using namespace oralis;

namespace {

// Sources: M = the MeCab IPA dictionary's pronunciation of the kanji numeral
// (`mecab -d /var/lib/mecab/dic/ipadic-utf8`, word by word where it splits);
// N = the counter tables of the NHK日本語発音アクセント新辞典 (2016);
// W = how numbers are written, not a reading.
struct Case {
    const char16_t* text;
    const char16_t* reading;  // nullptr: none
    const char* refusal;      // what the learner is told, or nullptr
    const char* source;
};

const char kDecimal[] = "Numbers with a decimal point cannot be read: type the number in kana";
const char kTooLarge[] = "Numbers above 9,999兆 cannot be read: type the number in kana";

const Case kCases[] = {
    {u"0", u"ｾﾞﾛ", nullptr, "N"},
    {u"7", u"ﾅﾅ", nullptr, "M 七"},
    {u"14", u"ｼﾞｭｰﾖﾝ", nullptr, "M 十四"},
    {u"79", u"ﾅﾅｼﾞｭｰｷｭｰ", nullptr, "M 七十九"},
    {u"2024", u"ﾆｾﾝﾆｼﾞｭｰﾖﾝ", nullptr, "M 二千二十四"},
    {u"300", u"ｻﾝﾋﾞｬｸ", nullptr, "N"},
    {u"600", u"ﾛｯﾋﾟｬｸ", nullptr, "N"},
    {u"800", u"ﾊｯﾋﾟｬｸ", nullptr, "N"},
    {u"1000", u"ｾﾝ", nullptr, "M 千"},
    {u"3000", u"ｻﾝｾﾞﾝ", nullptr, "N"},
    {u"8000", u"ﾊｯｾﾝ", nullptr, "N"},
    {u"10000", u"ｲﾁﾏﾝ", nullptr, "M 一万"},
    {u"100000000", u"ｲﾁｵｸ", nullptr, "M 一億"},
    {u"1000000000000", u"ｲｯﾁｮｰ", nullptr, "N; M 兆 ﾁｮｰ"},
    {u"8000000000000", u"ﾊｯﾁｮｰ", nullptr, "N"},
    {u"10000000000000", u"ｼﾞｭｯﾁｮｰ", nullptr, "N"},
    {u"9,999,999,999,999,999",
     u"ｷｭｰｾﾝｷｭｰﾋｬｸｷｭｰｼﾞｭｰｷｭｰﾁｮｰｷｭｰｾﾝｷｭｰﾋｬｸｷｭｰｼﾞｭｰｷｭｰｵｸ"
     u"ｷｭｰｾﾝｷｭｰﾋｬｸｷｭｰｼﾞｭｰｷｭｰﾏﾝｷｭｰｾﾝｷｭｰﾋｬｸｷｭｰｼﾞｭｰｷｭｰ", nullptr, "M"},
    {u"１，２３４，５６７", u"ﾋｬｸﾆｼﾞｭｰｻﾝﾏﾝﾖﾝｾﾝｺﾞﾋｬｸﾛｸｼﾞｭｰﾅﾅ", nullptr, "W full-width; M"},
    {u"2億5000万", u"ﾆｵｸｺﾞｾﾝﾏﾝ", nullptr, "W; M 二億五千万"},
    {u"4円", u"ﾖｴﾝ", nullptr, "N"},
    {u"3万円", u"ｻﾝﾏﾝｴﾝ", nullptr, "M 三万円"},
    {u"2024年", u"ﾆｾﾝﾆｼﾞｭｰﾖﾈﾝ", nullptr, "N よねん"},
    {u"7年", u"ﾅﾅﾈﾝ", nullptr, "M 七年; N ななねん"},
    {u"4月", u"ｼｶﾞﾂ", nullptr, "M 四月"},
    {u"7月", u"ｼﾁｶﾞﾂ", nullptr, "M 七月"},
    {u"9月", u"ｸｶﾞﾂ", nullptr, "M 九月"},
    {u"4時", u"ﾖｼﾞ", nullptr, "N"},
    {u"7時", u"ｼﾁｼﾞ", nullptr, "N"},
    {u"9時", u"ｸｼﾞ", nullptr, "N"},
    {u"0時", u"ﾚｲｼﾞ", nullptr, "M 零時"},
    {u"1分", u"ｲｯﾌﾟﾝ", nullptr, "N"},
    {u"3分", u"ｻﾝﾌﾟﾝ", nullptr, "N"},
    {u"4分", u"ﾖﾝﾌﾟﾝ", nullptr, "N"},
    {u"6分", u"ﾛｯﾌﾟﾝ", nullptr, "N"},
    {u"10分", u"ｼﾞｭｯﾌﾟﾝ", nullptr, "N"},
    {u"1人", u"ﾋﾄﾘ", nullptr, "N"},
    {u"2人", u"ﾌﾀﾘ", nullptr, "N"},
    {u"4人", u"ﾖﾆﾝ", nullptr, "N"},
    {u"21人", u"ﾆｼﾞｭｰｲﾁﾆﾝ", nullptr, "N"},
    {u"1本", u"ｲｯﾎﾟﾝ", nullptr, "N"},
    {u"3本", u"ｻﾝﾎﾞﾝ", nullptr, "N"},
    {u"8本", u"ﾊｯﾎﾟﾝ", nullptr, "N"},
    {u"10本", u"ｼﾞｭｯﾎﾟﾝ", nullptr, "N"},
    {u"300本", u"ｻﾝﾋﾞｬｯﾎﾟﾝ", nullptr, "N"},
    {u"1000本", u"ｾﾝﾎﾞﾝ", nullptr, "M 千本"},
    {u"1個", u"ｲｯｺ", nullptr, "N"},
    {u"6個", u"ﾛｯｺ", nullptr, "N"},
    {u"1回", u"ｲｯｶｲ", nullptr, "N"},
    {u"100回", u"ﾋｬｯｶｲ", nullptr, "N"},
    {u"8歳", u"ﾊｯｻｲ", nullptr, "N"},
    {u"20歳", u"ﾊﾀﾁ", nullptr, "N"},
    // A number within other text: the rest reads as before.
    {u"魚3本を", u"ｻｶﾅｻﾝﾎﾞﾝｦ", nullptr, "W"},
    {u"1,0000", nullptr, nullptr, "W: a comma before four digits separates nothing"},
    {u"3.5", nullptr, kDecimal, "W"},
    {u"３．５", nullptr, kDecimal, "W"},
    {u"5枚", nullptr, "Numbers with 枚 cannot be read: type the number in kana", "W"},
    {u"3\U00020B9F", nullptr, "Numbers with \U00020B9F cannot be read: type the number in kana", "W"},
    {u"10000000000000000", nullptr, kTooLarge, "W"},
    {u"10000兆", nullptr, kTooLarge, "W"},
};

// The dictionary stands in for MeCab with the one word the table needs.
std::optional<QString> Dictionary(const QString& text)
{
    if (text == u"魚")
        return QStringLiteral("ｻｶﾅ");
    return std::nullopt;
}

}  // namespace

TEST(NumberReading, NumbersAndCountersInTypedText)
{
    for (const Case& c : kCases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString() + " (" + c.source + ")");
        const TextReading r = ReadTypedText(text, Dictionary);
        if (c.reading) {
            ASSERT_TRUE(r.reading.has_value());
            EXPECT_EQ(r.reading->toStdString(), QString::fromUtf16(c.reading).toStdString());
        } else {
            EXPECT_FALSE(r.reading.has_value()) << r.reading.value_or(QString()).toStdString();
        }
        EXPECT_EQ(r.refusal.toStdString(), c.refusal ? c.refusal : "");
    }
}

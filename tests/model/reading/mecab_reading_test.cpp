#include "model/MecabReading.h"

#include "ReadingCase.h"

#include <gtest/gtest.h>

using namespace oralis;

namespace {

using oralis::tests::Some;
using Case = oralis::tests::ReadingCase;

TEST(MecabReading, PronunciationOfKanjiWords)
{
    MecabReader reader;
    const Case cases[] = {
        {u"魚", u"ｻｶﾅ"},
        {u"今日", u"ｷｮｰ"},
        {u"学校", u"ｶﾞｯｺｰ"},
        {u"今日は", u"ｷｮｰﾜ"},               // the particle as it is spoken
        {u"魚を食べる。", u"ｻｶﾅｵﾀﾍﾞﾙ"},      // punctuation is not spoken
        {u"テレビ", u"ﾃﾚﾋﾞ"},
        {u"ゲンゴロウブナ", u"ｹﾞﾝｺﾞﾛｰﾌﾞﾅ"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        const std::optional<QString> reading = reader.reading(QString::fromUtf16(c.text));
        ASSERT_TRUE(reading.has_value()) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(*reading, QString::fromUtf16(c.reading)) << QString::fromUtf16(c.text).toStdString();
    }
    EXPECT_FALSE(reader.unavailable());
}

TEST(MecabReading, UnknownWordsFallBackToTheirSpelling)
{
    MecabReader reader;
    // The dictionary does not know "sakana": read as romaji.
    EXPECT_EQ(reader.reading(QStringLiteral("魚sakana")), Some(u"ｻｶﾅｻｶﾅ"));
    // Digits and unknown Latin words have no kana reading at all.
    EXPECT_FALSE(reader.reading(QStringLiteral("3人")).has_value());
    EXPECT_FALSE(reader.reading(QStringLiteral("xyz")).has_value());
    EXPECT_FALSE(reader.unavailable());
}

TEST(MecabReading, MissingDictionaryFailsQuietlyAndStaysFailed)
{
    MecabReader reader(QStringLiteral("/nonexistent/mecab/dictionary"));
    EXPECT_FALSE(reader.unavailable());  // nothing is loaded before the first reading
    EXPECT_FALSE(reader.reading(QStringLiteral("魚")).has_value());
    EXPECT_TRUE(reader.unavailable());
    EXPECT_TRUE(reader.failure().contains(QStringLiteral("/nonexistent/mecab/dictionary")));
    EXPECT_FALSE(reader.reading(QStringLiteral("学校")).has_value());
    EXPECT_TRUE(reader.unavailable());
}

}  // namespace

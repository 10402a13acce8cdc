#include "model/NumericText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <limits>

using namespace oralis;

namespace {

TEST(NumericPrefix, ReadsTheLeadingNumber)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"12abc", 12},      {"  1 2", 12},     {"-1.5E2", -150},   {"1D3", 1000},     {"1d-2", 0.01},
        {"&H1F", 31},       {"&hff", 255},     {"&O17", 15},       {"&o78", 7},       {"&HG", 0},
        {"&X1", 0},         {"abc", 0},        {"", 0},            {".5", 0.5},       {"-.5", -0.5},
        {"1e", 1},          {"1E+", 1},        {"2.5E", 2.5},      {"+7", 7},         {"-", 0},
        {".", 0},           {"--5", 0},        {"1.2.3", 1.2},     {"\t3\r\n", 3},    {" 0 ", 0},
        {"- 4 . 2 5", -4.25}, {"1e-400", 0},   {"12,5", 12},       {"0.1", 0.1},      {"1 E 3", 1000},
        {"&", 0},           {"& ", 0},          {"-0", 0},          {"-1.125 ", -1.125}, {"1234567890123456", 1234567890123456},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NumericPrefix(QString::fromLatin1(c.text)), c.value);
        EXPECT_EQ(NumericPrefix(QByteArrayView(c.text)), c.value);  // a table's fields, as bytes
        EXPECT_FALSE(std::signbit(NumericPrefix(QByteArrayView(c.text))) && c.value == 0);
    }
}

TEST(NumericPrefix, GivesInfinityForHugeNumbersSoCallersCanRefuseThem)
{
    EXPECT_TRUE(std::isinf(NumericPrefix(u"1E999")));
    EXPECT_TRUE(std::isinf(NumericPrefix(u"-1D400")));
    EXPECT_TRUE(std::isinf(NumericPrefix(QString(400, QLatin1Char('F')).prepend(QStringLiteral("&H")))));
    EXPECT_FALSE(std::signbit(NumericPrefix(u"-0")));
}

TEST(RoundToInt16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        std::optional<int16_t> expected;
    } cases[] = {
        {0.5, 0},         {1.5, 2},          {2.5, 2},        {-2.5, -2},         {-1.5, -2},
        {2.4999, 2},      {2.5001, 3},       {-0.4, 0},       {32767, 32767},     {32767.4, 32767},
        {32767.5, {}},    {-32768.5, -32768}, {-32768.6, {}}, {-32769, {}},       {1e10, {}},
        {nan, {}},        {inf, {}},          {-inf, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(RoundToInt16(c.value), c.expected);
    }
}

TEST(FormatSingle, WritesTheShortestSevenDigitForm)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {1, "1"},          {0.5f, "0.5"},           {-12.25f, "-12.25"},     {1e-5f, "1E-05"},
        {1.5e7f, "1.5E+07"}, {0.0001f, "0.0001"},   {0.00012f, "0.00012"},   {1234567, "1234567"},
        {12345678, "1.234568E+07"}, {1e7f, "1E+07"}, {0.1f, "0.1"},          {1.0f / 3, "0.3333333"},
        {2.0f / 3, "0.6666667"}, {-0.0f, "0"},      {0, "0"},                {3.4e38f, "3.4E+38"},
        {1.4e-45f, "1.401298E-45"}, {100, "100"},   {-1e-10f, "-1E-10"},     {9999999.0f, "9999999"},
        {1.8f, "1.8"},     {-1.125f, "-1.125"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatSingle(c.value), QString::fromLatin1(c.text));
    }
}

TEST(FormatSingle, ReadsBackToTheSameFloatForSixDigitValues)
{
    for (const char* text : {"0.123456", "-98765.4", "1.5E-06", "3.14159E+20", "0.000101", "42", "-7.5"}) {
        const float value = static_cast<float>(std::strtod(text, nullptr));
        SCOPED_TRACE(text);
        EXPECT_EQ(static_cast<float>(NumericPrefix(FormatSingle(value))), value);
    }
}

// The quick way for short decimals must agree with %G to the last digit, on
// the decimals tables hold and on floats of every size.
TEST(FormatSingle, AgreesWithPrintfEverywhere)
{
    std::vector<float> values;
    for (int i = -200000; i <= 200000; ++i)
        values.push_back(static_cast<float>(i) / 1000.0f);
    uint32_t bits = 1;
    for (int i = 0; i < 2000000; ++i) {
        bits = bits * 1664525u + 1013904223u;
        float v;
        std::memcpy(&v, &bits, sizeof v);
        values.push_back(v);
        // and one of each size the quick way takes
        values.push_back(static_cast<float>((bits >> 8) * 0x1p-24 * std::pow(10.0, static_cast<int>(bits % 12) - 5)));
    }
    for (float v : values) {
        if (!std::isfinite(v))
            continue;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.7G", static_cast<double>(v));
        char written[kMaxSingleText];
        const std::string got(written, static_cast<size_t>(FormatSingleTo(v, written)));
        ASSERT_EQ(got, v == 0 ? std::string("0") : std::string(expected)) << std::hexfloat << v;
    }
}

TEST(AsciiNumberText, FullWidthNumbersBecomeWhatTheReadersTake)
{
    const struct {
        const char16_t* typed;
        const char16_t* ascii;
    } cases[] = {
        {u"０１２３４５６７８９", u"0123456789"},
        {u"－１２．５", u"-12.5"},
        {u"−３", u"-3"},
        {u"＋７", u"+7"},
        {u"４００ｘ", u"400ｘ"},  // only number characters change
        {u"1.5", u"1.5"},
    };
    for (const auto& c : cases) {
        const QString typed = QString::fromUtf16(c.typed);
        SCOPED_TRACE(typed.toStdString());
        EXPECT_EQ(AsciiNumberText(typed), QString::fromUtf16(c.ascii));
    }
}

}  // namespace

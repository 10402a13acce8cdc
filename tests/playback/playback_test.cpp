#include "RecordingLip.h"

#include "model/KanaParser.h"
#include "playback/Playback.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace oralis {
namespace {

using testing::LipCall;
using testing::RecordingLip;

Syllables Parsed(const QString& reading)
{
    Syllables s;
    EXPECT_EQ(ParseKana(reading, s), -1) << reading.toStdString();
    return s;
}

std::vector<int> SignsOf(const Syllables& s)
{
    std::vector<int> signs;
    for (int e = 0; e < s.SyllableCount; ++e)
        signs.push_back(SignForEntry(s.SyllableClass[e], s.SyllableVowel[e]));
    return signs;
}

TEST(SignChoice, ReadingsPlayTheirSigns)
{
    const struct {
        const char16_t* reading;
        std::vector<int> signs;
    } cases[] = {
        {u"", {0}},
        {u"ｶｯﾀ", {0, 16, 27, 16}},
        {u"ﾏﾐﾑ", {0, 11, 12, 13}},
        {u"ﾊﾟ", {0, 11}},
        {u"ﾊﾞ", {0, 11}},
        {u"ﾊ", {0, 1}},
        {u"ﾝ", {0, 5}},
        {u"ｯﾀ", {0, 26, 16}},
        {u"ｱﾝ", {0, 1, 6}},
        {u"ｻｼｽｾｿ", {0, 21, 22, 23, 24, 25}},
        {u"ﾅﾆﾔﾘﾜ", {0, 16, 17, 16, 17, 26}},
        {u"ｷｬ", {0, 16}},
        {u"ｵﾝｲｯｴ", {0, 5, 10, 2, 28, 4}},
    };
    for (const auto& c : cases) {
        const QString reading = QString::fromUtf16(c.reading);
        EXPECT_EQ(SignsOf(Parsed(reading)), c.signs) << reading.toStdString();
    }
}

TEST(SignChoice, FlagsOutsideTheClassBitsDoNotChangeTheRow)
{
    // Palatal and long flags ride along with any class; class 9 counts as y/r.
    EXPECT_EQ(SignForEntry(2 | kPalatalFlag | kLongFlag, 4), 20);
    EXPECT_EQ(SignForEntry(9, 3), 19);
    EXPECT_EQ(SignForEntry(6 | kLongFlag, 2), 3);
    EXPECT_EQ(SignForEntry(0x1000, -1), 0);
    // The row wins over the geminate flag; only a class-0 entry is a geminate.
    EXPECT_EQ(SignForEntry(3 | kGeminateFlag, 0), 21);
    EXPECT_EQ(SignForEntry(kGeminateFlag, 4), 31);
}

TEST(StepBase, IsFourThousandOverTheSpeedRoundedHalfToEven)
{
    const struct {
        const char16_t* speed;
        int16_t base;
    } cases[] = {
        {u"500", 8},    {u"1000", 4},     {u"300", 13},  {u"800", 5},
        {u"4000", 1},   {u"8000", 0},     {u"1600", 2},  {u"2400", 2},
        {u" 5 00%", 8}, {u"250abc", 16},  {u"0.13", 30769},
    };
    for (const auto& c : cases) {
        const QString speed = QString::fromUtf16(c.speed);
        QString why;
        const auto base = StepBase(speed, &why);
        ASSERT_TRUE(base.has_value()) << speed.toStdString() << ": " << why.toStdString();
        EXPECT_EQ(*base, c.base) << speed.toStdString();
    }
}

TEST(StepBase, RefusesSpeedsThatGiveNoUsableBase)
{
    const struct {
        const char16_t* speed;
        const char* message;
    } cases[] = {
        {u"0", "Speed must be a number above 0"},
        {u"-500", "Speed must be a number above 0"},
        {u"", "Speed must be a number above 0"},
        {u"fast", "Speed must be a number above 0"},
        {u"0.12", "Speed is too low (use 0.13 or more)"},
    };
    for (const auto& c : cases) {
        const QString speed = QString::fromUtf16(c.speed);
        QString why;
        EXPECT_FALSE(StepBase(speed, &why).has_value()) << speed.toStdString();
        EXPECT_EQ(why.toStdString(), c.message) << speed.toStdString();
    }
}

TEST(StepCount, RoundsTheSingleProductAndDoublesLongEntries)
{
    const struct {
        int16_t base;
        float rate;
        bool longEntry;
        std::optional<int16_t> steps;
    } cases[] = {
        {8, 1.0f, false, 8},
        {8, 0.5f, false, 4},
        {8, 0.3f, false, 2},
        {8, 1.0f, true, 16},
        {8, 0.3125f, false, 2},  // 2.5 to even
        {8, 0.4375f, false, 4},  // 3.5 to even
        {13, 0.5f, true, 12},    // 6.5 rounds to 6 before doubling
        {5, 0.1f, false, 0},     // exactly 0.5 in single precision, above it in double
        {8, -1.0f, false, -8},
        {16383, 1.0f, true, 32766},
        {16384, 1.0f, true, std::nullopt},
        {8, 5000.0f, false, std::nullopt},
        {8, std::nanf(""), false, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepCount(c.base, c.rate, c.longEntry), c.steps) << c.base << " x " << c.rate;
}

// A frame that says where it came from: upper value 1 is the sign, upper value
// 2 the frame, the lower angle both.
LipFrame Tagged(int sign, int frame, float rate)
{
    LipFrame f;
    f[LipFrame::kVelocityRate] = rate;
    f[LipFrame::kUpperCurve] = static_cast<float>(sign);
    f[LipFrame::kUpperCurve + 1] = static_cast<float>(frame);
    f[LipFrame::kLowerAngle] = static_cast<float>(sign * 10 + frame);
    f[LipFrame::kUpperAngle] = 1.5f;
    return f;
}

void Fill(SignTable& table, int sign, std::vector<float> rates)
{
    SignEntry& e = table[sign];
    e.Frames.clear();
    for (size_t k = 0; k < rates.size(); ++k)
        e.Frames.push_back(Tagged(sign, static_cast<int>(k), rates[k]));
}

Syllables Entries(std::vector<std::pair<int16_t, int16_t>> classAndVowel)
{
    Syllables s;
    s.SyllableCount = static_cast<int16_t>(classAndVowel.size());
    for (size_t e = 0; e < classAndVowel.size(); ++e) {
        s.SyllableClass[e] = classAndVowel[e].first;
        s.SyllableVowel[e] = classAndVowel[e].second;
    }
    return s;
}

class PlaySyllablesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RecordingLip::Clear();
        Fill(table, 0, {1.0f});
        Fill(table, 16, {1.0f, 0.5f});
        Fill(table, 27, {0.3f});
    }

    bool Play(const Syllables& s, const QString& speed, LipExports lip = RecordingLip::Exports())
    {
        displays = 0;
        const float view[17] = {};
        return PlaySyllables(
            s, table, speed, lip,
            [&](int16_t steps) {
                ++displays;
                lip.DrawSpace(0, view, steps, active);
            },
            active, &why);
    }

    struct Expected {
        LipCall::Kind kind;
        int sign;
        int frame;
        int16_t steps;
    };

    void ExpectCalls(const std::vector<Expected>& expected)
    {
        const auto& calls = RecordingLip::Calls();
        ASSERT_EQ(calls.size(), expected.size());
        for (size_t i = 0; i < calls.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(calls[i].kind, expected[i].kind);
            if (expected[i].kind == LipCall::Draw) {
                EXPECT_EQ(calls[i].steps, expected[i].steps);
                EXPECT_EQ(calls[i].animate, 1);
            } else {
                EXPECT_EQ(calls[i].upper[0], expected[i].sign);
                EXPECT_EQ(calls[i].upper[1], expected[i].frame);
                EXPECT_EQ(calls[i].lowerAngle, expected[i].sign * 10 + expected[i].frame);
                EXPECT_EQ(calls[i].upperAngle, 1.5f);
            }
        }
    }

    SignTable table;
    int16_t active = 0;
    int displays = 0;
    QString why;
};

TEST_F(PlaySyllablesTest, RestFirstThenEveryFrameOfEverySignWithItsSteps)
{
    // rest, ka, small tsu, long ta, then an i whose sign holds no frame
    const Syllables s = Entries({{0x1000, -1}, {2, 0}, {kGeminateFlag, 0}, {4 | kLongFlag, 0}, {1, 1}});
    ASSERT_TRUE(Play(s, QStringLiteral("500"))) << why.toStdString();
    using K = LipCall::Kind;
    ExpectCalls({
        {K::Pass, 0, 0, 0},
        {K::Target, 0, 0, 0}, {K::Draw, 0, 0, 8},
        {K::Target, 16, 0, 0}, {K::Draw, 0, 0, 8},
        {K::Target, 16, 1, 0}, {K::Draw, 0, 0, 4},
        {K::Target, 27, 0, 0}, {K::Draw, 0, 0, 2},
        {K::Target, 16, 0, 0}, {K::Draw, 0, 0, 16},
        {K::Target, 16, 1, 0}, {K::Draw, 0, 0, 8},
    });
    EXPECT_EQ(active, 0);
}

TEST_F(PlaySyllablesTest, SignsWithoutFramesLeaveOnlyTheRestTransition)
{
    ASSERT_TRUE(Play(Entries({{0x1000, -1}, {1, 0}, {7, 2}}), QStringLiteral("1000")));
    using K = LipCall::Kind;
    ExpectCalls({{K::Pass, 0, 0, 0}, {K::Target, 0, 0, 0}, {K::Draw, 0, 0, 4}});
    EXPECT_EQ(displays, 1);
}

TEST_F(PlaySyllablesTest, RefusalsCallNothing)
{
    const Syllables ka = Entries({{0x1000, -1}, {2, 0}});
    const Syllables longKa = Entries({{0x1000, -1}, {2 | kLongFlag, 0}});
    const struct {
        const char* name;
        Syllables syllables;
        const char16_t* speed;
        std::function<void(SignTable&)> change;
        const char* message;
    } cases[] = {
        {"speed 0", ka, u"0", nullptr, "Speed must be a number above 0"},
        {"blank speed", ka, u"", nullptr, "Speed must be a number above 0"},
        {"letters", ka, u"abc", nullptr, "Speed must be a number above 0"},
        {"negative", ka, u"-100", nullptr, "Speed must be a number above 0"},
        {"base beyond 16 bits", ka, u"0.1", nullptr, "Speed is too low (use 0.13 or more)"},
        {"empty rest sign", ka, u"500", [](SignTable& t) { Fill(t, 0, {}); },
         "The rest sign 0 has no frame"},
        {"frame overflows", ka, u"500", [](SignTable& t) { Fill(t, 16, {1.0f, 5000.0f}); },
         "Sign 16, frame 2 needs too many steps at this speed"},
        {"long entry overflows when doubled", longKa, u"500",
         [](SignTable& t) { Fill(t, 16, {2500.0f}); },
         "Sign 16, frame 1 needs too many steps at this speed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        if (c.change)
            c.change(table);
        active = 5;
        why.clear();
        EXPECT_FALSE(Play(c.syllables, QString::fromUtf16(c.speed)));
        EXPECT_EQ(why.toStdString(), c.message);
        EXPECT_TRUE(RecordingLip::Calls().empty());
        EXPECT_EQ(displays, 0);
        EXPECT_EQ(active, 5);
    }
}

TEST_F(PlaySyllablesTest, PlayReadingReturnsThePlayedSyllablesOrWhatRefusedIt)
{
    const struct {
        const char16_t* reading;
        const char16_t* speed;
        int16_t played;  // syllable count; 0: refused
        const char* message;
        bool readingRefused;
    } cases[] = {
        {u"ｶｯﾀ", u"500", 4, "", false},
        {u"abc", u"500", 0, "Unsupported character(s) in the string", true},
        {u"カ", u"500", 0, "Unsupported character(s) in the string", true},
        {u"ｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶｶ", u"500", 0,
         "The word is too long (at most 32 syllables)", true},
        {u"ｶ", u"0", 0, "Speed must be a number above 0", false},
    };
    for (const auto& c : cases) {
        const QString reading = QString::fromUtf16(c.reading);
        SCOPED_TRACE(reading.toStdString());
        RecordingLip::Clear();
        active = 5;
        const PlayedReading r = PlayReading(reading, table, QString::fromUtf16(c.speed), RecordingLip::Exports(),
                                            [](int16_t) {}, active);
        EXPECT_EQ(r.played ? r.played->SyllableCount : 0, c.played);
        EXPECT_EQ(r.whyNot.toStdString(), c.message);
        EXPECT_EQ(r.readingRefused, c.readingRefused);
        EXPECT_EQ(RecordingLip::Calls().empty(), c.played == 0);
        EXPECT_EQ(active, c.played ? 0 : 5);
    }
}

TEST_F(PlaySyllablesTest, AnIncompleteRendererIsRefused)
{
    LipExports partial = RecordingLip::Exports();
    partial.DrawSpace = nullptr;
    EXPECT_FALSE(Play(Entries({{0x1000, -1}}), QStringLiteral("500"), partial));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(RecordingLip::Calls().empty());
}

TEST(LibraryBinding, ReportsWhatIsMissing)
{
    QString why;
    EXPECT_FALSE(LoadLipExports({QStringLiteral("/nonexistent/libLip.so")}, &why).has_value());
    EXPECT_TRUE(why.contains(QStringLiteral("/nonexistent/libLip.so"))) << why.toStdString();

    // A library that opens but is not the renderer; reached after the first
    // candidate fails, as the bare-name fallback is.
    why.clear();
    EXPECT_FALSE(LoadLipExports({QStringLiteral("/nonexistent/libLip.so"), QStringLiteral("libm.so.6")},
                                &why)
                     .has_value());
    EXPECT_EQ(why, QStringLiteral("The renderer library libm.so.6 has no function ControlPass"));
}

}  // namespace
}  // namespace oralis

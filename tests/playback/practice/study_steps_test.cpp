#include "RecordingLip.h"
#include "ShippedData.h"
#include "playback/StudySteps.h"

#include <gtest/gtest.h>

using namespace oralis;
using oralis::testing::LipCall;
using oralis::testing::RecordingLip;
using oralis::testing::ShippedTable;

namespace {

using S = BasicShape;

StepCursor Cursor(const QString& reading)
{
    std::optional<LipPattern> p = PatternOfReading(reading, ShippedTable(), u"500");
    EXPECT_TRUE(p);
    return StepCursor(p.value_or(LipPattern{}));
}

struct Step {
    int sign;
    int frame;
    int16_t steps;
    int syllable;
    S shape;
};

void ExpectMove(const std::optional<StepMove>& m, const Step& e)
{
    ASSERT_TRUE(m);
    EXPECT_EQ(m->target.v, ShippedTable()[e.sign].Frames[static_cast<size_t>(e.frame)].v);
    EXPECT_EQ(m->steps, e.steps);
    EXPECT_EQ(m->syllable, e.syllable);
    EXPECT_EQ(m->shape, e.shape);
}

TEST(StudySteps, NextAndBackWalkThePlanOfAWordWithAGeminateAndALongVowel)
{
    StepCursor cursor = Cursor(QStringLiteral("ｶﾞｯｺｰ"));
    const Step plan[] = {
        {0, 0, 8, 0, S::Rest},
        {16, 0, 3, 1, S::A}, {16, 1, 6, 1, S::A},
        {27, 0, 2, 2, S::Geminate}, {27, 1, 3, 2, S::Geminate},
        {20, 0, 6, 3, S::O}, {20, 1, 12, 3, S::O},  // the long vowel doubles both
    };
    ASSERT_EQ(cursor.count(), 7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const std::optional<StepMove> m = cursor.next();
        ExpectMove(m, plan[i]);
        EXPECT_EQ(m->start.has_value(), i == 0);  // the rest shape is set once, as playback does
        EXPECT_EQ(cursor.position(), i + 1);
    }
    EXPECT_FALSE(cursor.next());
    EXPECT_EQ(StepCaption(cursor), QStringLiteral("ｺｰ: お"));  // no sign number: that is for the editor

    // Back returns to the shape before, over the steps of the transition undone.
    for (int i = 6; i >= 1; --i) {
        SCOPED_TRACE(i);
        const Step before = plan[i - 1];
        ExpectMove(cursor.back(), {before.sign, before.frame, plan[i].steps, before.syllable, before.shape});
        EXPECT_EQ(cursor.shownSyllable(), before.syllable);
    }
    const std::optional<StepMove> toRest = cursor.back();
    ASSERT_TRUE(toRest);
    EXPECT_EQ(toRest->target.v, ShippedTable()[0].Frames[0].v);
    EXPECT_EQ(toRest->steps, 8);
    EXPECT_TRUE(cursor.atStart());
    EXPECT_FALSE(cursor.back());
    EXPECT_EQ(StepCaption(cursor), QStringLiteral("休み"));
}

TEST(StudySteps, PlayingToTheEndMakesTheCallsOfPlayback)
{
    const QString reading = QStringLiteral("ﾏｯﾁｮｰ");
    int16_t active = 0;
    float view[17] = {};
    auto draw = [&](int16_t steps) { RecordingLip::Exports().DrawSpace(0, view, steps, active); };

    Syllables parsed;
    ASSERT_EQ(ParseKana(reading, parsed), -1);
    RecordingLip::Clear();
    ASSERT_TRUE(PlaySyllables(parsed, ShippedTable(), u"500", RecordingLip::Exports(), draw, active));
    const std::vector<LipCall> played = RecordingLip::Calls();

    RecordingLip::Clear();
    StepCursor cursor = Cursor(reading);
    PlayToEnd(cursor, RecordingLip::Exports(), draw, active);
    const std::vector<LipCall> stepped = RecordingLip::Calls();

    ASSERT_EQ(stepped.size(), played.size());
    for (size_t i = 0; i < played.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(stepped[i].kind, played[i].kind);
        EXPECT_EQ(stepped[i].upper, played[i].upper);
        EXPECT_EQ(stepped[i].lower, played[i].lower);
        EXPECT_EQ(stepped[i].steps, played[i].steps);
        EXPECT_EQ(stepped[i].animate, played[i].animate);
    }
    EXPECT_EQ(active, 0);
    EXPECT_TRUE(cursor.atEnd());
}

TEST(StudySteps, SpeedPresetsAtTheDisplaysRefreshRate)
{
    const struct {
        double hz;
        QStringList texts;  // ゆっくり, ふつう, はやい
    } cases[] = {
        {60, {"444", "571", "1000"}},
        {0, {"444", "571", "1000"}},  // unknown: 60 Hz
        {75, {"333", "444", "800"}},
        {120, {"190", "250", "400"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hz);
        QStringList texts;
        for (const SpeedPreset& p : kSpeedPresets)
            texts << PresetSpeedText(p.moraePerSecond, c.hz);
        EXPECT_EQ(texts, c.texts);
    }
    EXPECT_EQ(MoraPeriods(9), 11.5);  // (3 + 1 + 6 + 1 and 4 + 1 + 6 + 1) / 2
}

}  // namespace

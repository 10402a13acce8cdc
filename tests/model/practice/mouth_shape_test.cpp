#include "model/MouthShape.h"

#include <gtest/gtest.h>

#include <optional>

using namespace oralis;

namespace {

using S = BasicShape;

TEST(MouthShape, EverySignPlayedHasItsShape)
{
    const struct {
        int sign;
        S shape;
        std::optional<S> onset;
        S target;
    } cases[] = {
        {0, S::Rest, {}, S::Rest},
        {1, S::A, {}, S::A}, {2, S::I, {}, S::I}, {3, S::U, {}, S::U}, {4, S::E, {}, S::E}, {5, S::O, {}, S::O},
        {6, S::SyllabicN, {}, S::A}, {7, S::SyllabicN, {}, S::I}, {8, S::SyllabicN, {}, S::U},
        {9, S::SyllabicN, {}, S::E}, {10, S::SyllabicN, {}, S::O},
        {11, S::Closed, S::Closed, S::A}, {12, S::Closed, S::Closed, S::I}, {13, S::Closed, S::Closed, S::U},
        {14, S::Closed, S::Closed, S::E}, {15, S::Closed, S::Closed, S::O},
        {16, S::A, {}, S::A}, {17, S::I, {}, S::I}, {18, S::U, {}, S::U}, {19, S::E, {}, S::E}, {20, S::O, {}, S::O},
        {21, S::A, {}, S::A}, {22, S::I, {}, S::I}, {23, S::U, {}, S::U}, {24, S::E, {}, S::E}, {25, S::O, {}, S::O},
        {26, S::A, S::U, S::A},
        {27, S::Geminate, {}, S::A}, {28, S::Geminate, {}, S::I}, {29, S::Geminate, {}, S::U},
        {30, S::Geminate, {}, S::E}, {31, S::Geminate, {}, S::O},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sign);
        const SignShape s = ShapeOfSign(c.sign);
        EXPECT_EQ(s.shape, c.shape);
        EXPECT_EQ(s.onset, c.onset);
        EXPECT_EQ(s.target, c.target);
        EXPECT_EQ(ShapeFromCode(ShapeCode(c.shape)), c.shape);
    }
    EXPECT_EQ(ShapeName(S::Closed), QStringLiteral("閉じた口"));
    EXPECT_EQ(ShapeName(S::Geminate), QStringLiteral("促音"));
    EXPECT_EQ(ShapeName(S::SyllabicN), QStringLiteral("撥音"));
}

TEST(MouthShape, ABilabialClosesBeforeItsVowel)
{
    EXPECT_EQ(ShapeOfFrame(11, 0, 2), S::Closed);
    EXPECT_EQ(ShapeOfFrame(11, 1, 2), S::A);
    EXPECT_EQ(ShapeOfFrame(27, 1, 2), S::Geminate);
    // A leading ﾝ or ｯ falls back on a vowel sign but is still no vowel.
    EXPECT_EQ(ShapeOfEntry(13, 5), S::SyllabicN);
    EXPECT_EQ(ShapeOfEntry(0x40, 26), S::Geminate);
}

}  // namespace

#include "model/Review.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace oralis;

namespace {

TEST(Review, LeitnerBoxesCountedInSessions)
{
    const ReviewCard box1{1, 4}, box3{3, 9}, box5{5, 30};
    const struct {
        const ReviewCard* card;
        bool right;
        int session;
        ReviewCard after;
    } cases[] = {
        {nullptr, false, 7, {1, 8}},  // wrong: back in the next session
        {nullptr, true, 7, {2, 9}},
        {&box1, true, 7, {2, 9}},
        {&box3, true, 9, {4, 17}},
        {&box3, false, 9, {1, 10}},
        {&box5, true, 30, {5, 46}},   // the last box keeps its interval
        {&box5, false, 30, {1, 31}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.card ? c.card->box : 0);
        EXPECT_EQ(Advance(c.card, c.right, c.session), c.after);
    }
}

TEST(Review, DrawTakesDueThenWeakShapesThenNewWords)
{
    using S = BasicShape;
    const std::vector<DrawCandidate> words = {
        {"A", "a", {S::A}},               // 0: known, not due
        {"B", "b", {S::O, S::O}},         // 1: new, rich in the weakest shape
        {"C", "c", {S::I}},               // 2: due, box 2
        {"D", "d", {S::A}},               // 3: new
        {"E", "e", {S::O}},               // 4: due longest, box 3
        {"F", "f", {S::A, S::O}},         // 5: new, weak shape once
        {"G", "g", {S::I}},               // 6: known, not due, due sooner than A
    };
    const ReviewCards cards = {
        {{"A", "a"}, {4, 20}}, {{"C", "c"}, {2, 10}}, {{"E", "e"}, {3, 9}}, {{"G", "g"}, {2, 12}},
    };
    const std::vector<ShapeAccuracy> accuracy = {{S::A, 10, 10}, {S::I, 10, 9}, {S::O, 10, 4}};
    QRandomGenerator random(1);

    EXPECT_EQ(DrawSession(words, 7, cards, 10, accuracy, random), (std::vector<int>{4, 2, 1, 5, 3, 6, 0}));
    // Half of the places after the due words go to weak shapes, the rest to new words.
    std::vector<int> five = DrawSession(words, 5, cards, 10, accuracy, random);
    ASSERT_EQ(five.size(), 5u);
    std::sort(five.begin() + 3, five.end());
    EXPECT_EQ(five, (std::vector<int>{4, 2, 1, 3, 5}));
    // No history: new words only, every one once.
    std::vector<int> fresh = DrawSession(words, 7, {}, 1, {}, random);
    std::sort(fresh.begin(), fresh.end());
    EXPECT_EQ(fresh, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(Review, MostMissedShapesLeaveOutShapesNeverMissed)
{
    using S = BasicShape;
    EXPECT_EQ(MostMissedShapes({{S::A, 10, 9}, {S::I, 5, 5}, {S::O, 8, 2}, {S::Closed, 4, 2}}, 3),
              (std::vector<S>{S::O, S::Closed, S::A}));
    EXPECT_EQ(MostMissedShapes({{S::A, 10, 9}, {S::I, 5, 5}}, 3), (std::vector<S>{S::A}));
}

}  // namespace

// The quiz's turns without the dialog: a script of answers and chance values
// gives the words played and the values drawn.
#include "model/QuizTurns.h"
#include "model/WordList.h"

#include <gtest/gtest.h>

#include <vector>

namespace oralis {
namespace {

TEST(QuizTurns, NewWordsOnGoOnTheSameOnRepeatAndAnEndOnAnythingElse)
{
    struct Case {
        const char* name;
        int words;
        std::vector<double> chance;
        std::vector<int16_t> answers;  // after each turn
        std::vector<int> played;
        int drawn;
    };
    const Case cases[] = {
        {"one word", 1, {0.7, 0.2, 0.9}, {kQuizGoOn, kQuizGoOn, kQuizStop}, {0, 0, 0}, 3},
        {"go on draws anew", 2, {0.0, 0.99, 0.5, 0.49}, {kQuizGoOn, kQuizGoOn, kQuizGoOn, kQuizStop},
         {0, 1, 1, 0}, 4},
        {"repeat draws nothing", 2, {0.99, 0.0}, {kQuizRepeat, kQuizRepeat, kQuizGoOn, kQuizStop},
         {1, 1, 1, 0}, 2},
        {"a closed dialog ends it", 3, {0.5}, {7}, {1}, 1},
    };
    for (const Case& c : cases) {
        size_t drawn = 0;
        QuizTurns turns(c.words, [&] { return c.chance.at(drawn++); });
        std::vector<int> played;
        bool goesOn = true;
        for (size_t t = 0; goesOn && t < c.answers.size(); ++t) {
            played.push_back(turns.Next());
            goesOn = turns.Answer(c.answers[t]);
        }
        EXPECT_FALSE(goesOn) << c.name;
        EXPECT_EQ(played, c.played) << c.name;
        EXPECT_EQ(drawn, static_cast<size_t>(c.drawn)) << c.name;
    }
}

TEST(QuizTurns, OnlyStoppingLeavesTheSpeedBehind)
{
    EXPECT_TRUE(AnswerCarriesSpeed(kQuizGoOn));
    EXPECT_TRUE(AnswerCarriesSpeed(kQuizRepeat));
    EXPECT_FALSE(AnswerCarriesSpeed(kQuizStop));
}

TEST(QuizTurns, AListWithoutWordsIsRefused)
{
    WordList none;
    WordList one;
    one.readings << QStringLiteral("ｻｶﾅ");
    one.displays << QStringLiteral("魚");
    EXPECT_EQ(QuizListRefusal(false, none, "no such file"), "Quiz data not loaded\nno such file");
    EXPECT_EQ(QuizListRefusal(true, none, QString()), "Quiz data not loaded");
    EXPECT_TRUE(QuizListRefusal(true, one, QString()).isEmpty());
}

}  // namespace
}  // namespace oralis

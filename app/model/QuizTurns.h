// The quiz's turns without a window: which word each turn plays and what the
// learner's answer does.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace oralis {

struct WordList;

// The quiz dialog's answers, as its YN holds them.
enum QuizAnswer : int16_t { kQuizGoOn = 0, kQuizStop = 1, kQuizRepeat = 2 };

// Whether answer `yn` takes the speed typed into the quiz dialog to the main
// window: going on and seeing the word again do, stopping does not.
bool AnswerCarriesSpeed(int16_t yn);

// Why a quiz cannot start on the list that loaded (`loaded`) as `words`, with
// the loader's reason `why`; empty when it can.
QString QuizListRefusal(bool loaded, const WordList& words, const QString& why);

class QuizTurns {
public:
    // `random`: uniform values in [0, 1), one per new word.
    QuizTurns(int wordCount, std::function<double()> random);

    // The word the next turn plays: a new one unless the last answer asked
    // to see this one again.
    int Next();
    // The learner's answer to the turn just played; false when the quiz ends.
    bool Answer(int16_t yn);

private:
    int wordCount_;
    std::function<double()> random_;
    int index_ = 0;
    bool repeat_ = false;
};

}  // namespace oralis

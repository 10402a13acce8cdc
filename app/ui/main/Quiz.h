// The quiz: plays a random word from the word list, then shows it.
#pragma once

#include <QStringList>
#include <functional>

namespace oralis {

class LearnerHost;
class frmYesNo;

// Where a quiz takes its words and its chance from.
struct QuizSource {
    QStringList listPaths;          // tried in order; empty: WordListCandidates()
    std::function<double()> random;  // uniform in [0, 1); empty: ClockSeededRandom()
};

// Runs the whole quiz inside the menu command; returns when the learner ends it,
// when the list cannot be had ("Quiz data not loaded") or when a word cannot
// be parsed (after the parser's message).
void RunQuiz(LearnerHost& main);
void RunQuiz(LearnerHost& main, const QuizSource& source);

// A uniform generator over [0, 1), seeded from the clock when it is made.
std::function<double()> ClockSeededRandom();

// The quiz dialog, made on first use and kept (with its answer) for as long as
// `main` lives.
frmYesNo& QuizDialog(LearnerHost& main);

}  // namespace oralis

// The quiz: plays a random word from the word list, then shows it.
#pragma once

namespace oralis {

class frmSpace;

// Runs the whole quiz inside the menu command; returns when the learner ends it.
void RunQuiz(frmSpace& main);

}  // namespace oralis

// Opening the learner's and the teacher's windows where they leave the mouth
// in view, and keeping the place a user gives one for the next opening.
#pragma once

#include <QRect>

class QWidget;

namespace oralis {

// The main window opens where the user last left it, else at the top left
// of the screen, leaving the room to its right for the windows it opens.
// Call before it is first shown.
void PlaceMainWindow(QWidget& main);

// Shows `window`, a window of `main`'s, raised and active. A window that was
// hidden opens where the user last left it (in this run or an earlier one),
// else beside `main` so that it covers none of `picture` (the main window's
// picture, in screen pixels) where the screen allows: PlaceBeside.
void ShowBeside(QWidget& window, const QWidget& main, const QRect& picture);

}  // namespace oralis

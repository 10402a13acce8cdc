// Where a learner's window opens: beside the main window, so that the mouth
// in its picture stays in view while the learner works in the other window.
// Every rectangle is in screen pixels and includes the window frame.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace oralis {

// The top-left corner for a window of `size` on `screen` (its available
// area): to the right of `main`, top edges level, else below it, left edges
// level, moved along that edge to lie fully on the screen. When neither fits,
// the place fully on the screen that covers least of `picture`, then least of
// `main`, nearest the right of `main`. A window larger than the screen starts
// at the screen's top or left edge.
QPoint PlaceBeside(const QRect& screen, const QRect& main, const QRect& picture, const QSize& size);

// `window` moved the least to lie fully on `screen`: a place kept from
// another run, when the screen has changed since.
QPoint KeptOnScreen(const QRect& screen, const QRect& window);

}  // namespace oralis

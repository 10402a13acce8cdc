// Gradient backgrounds painted onto a window's persistent background.
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace oralis {

// Paints one of six gradient patterns (0..5) in red, green or blue ("R", "G",
// "B"; any other letter keeps the previous call's colour) onto `window`'s
// background, in a 512 x 512 user coordinate system over its client area.
void PaintFormBackground(QWidget* window, int16_t pattern, const QString& letter);

}  // namespace oralis

// Gradient backgrounds painted onto a window's persistent background.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

class QFrame;
class QPainter;
class QWidget;

namespace oralis {

// Paints one of six gradient patterns (0..5) in red, green or blue ("R", "G",
// "B"; any other letter keeps the previous call's colour) onto `window`'s
// background, in a 512 x 512 user coordinate system over its client area.
// The picture becomes the window's background brush, so child widgets sit on
// it and it needs no repainting; when the window is resized it is drawn again
// with the same pattern and colour. A pattern outside 0..5 draws nothing but
// still updates the colour. A null window only updates the colour.
void PaintFormBackground(QWidget* window, int16_t pattern, const QString& letter);

// The colour step (0x00BBGGRR) for a colour letter: "R" 1, "G" 256, "B" 65536,
// compared exactly; any other text gives `previous`.
uint32_t ColourStepForLetter(const QString& letter, uint32_t previous);

// The colour step the last PaintFormBackground call left (0 before the first).
uint32_t CurrentColourStep();

// Draws `pattern` with `colourStep` into the pixel rectangle `client` of
// `painter`'s device. `outerWidthTwips` and `outerHeightTwips` are the window's
// outer size in twips, used as coordinates of the 512-unit system: bands that
// end there run past the client area's right or bottom edge. Boxes take both
// corners in; outlines are 2 pixels wide, drawn inside the box.
void DrawFormPattern(QPainter& painter, const QRect& client, int16_t pattern,
                     uint32_t colourStep, int outerWidthTwips, int outerHeightTwips);

// The thin box (`Shape1`) round the edge of a dialog painted with a gradient,
// `widthTwips` x `heightTwips` from its top left corner; mouse clicks pass
// through it to the widgets below.
QFrame* FormBorder(QWidget* dialog, int widthTwips, int heightTwips);

// How many times `window`'s background picture has been drawn (by
// PaintFormBackground or after a resize); 0 for a window never painted.
int FormBackgroundRenderCount(const QWidget* window);

}  // namespace oralis

// Helpers every window uses: twip geometry, fonts and the program's message boxes.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>

class QWidget;

namespace oralis {

inline const QString kProgramTitle = QStringLiteral("Oralis");

// Twips (1/1440 inch) to pixels at the screen's logical DPI.
int Twips(int twips);
QRect TwipRect(int left, int top, int width, int height);
// Places `w` at a twip rectangle inside its parent.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);

// Sets one colour of a widget's palette.
void SetPaletteColour(QWidget* w, QPalette::ColorRole role, const QColor& colour);

// A font by name and point size; fontconfig substitutes an installed Japanese
// font when the named one is missing.
QFont NamedFont(const QString& family, double pointSize = 9.0, bool bold = false);

// A message box with an OK button and the program's title.
void ShowMessage(QWidget* parent, const QString& text);
// "Changes will be discarded", title "Confirmation", OK and Cancel: true for OK.
bool ConfirmDiscard(QWidget* parent);

}  // namespace oralis

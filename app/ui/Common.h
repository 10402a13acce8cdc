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

// Makes the Japanese fonts the windows name (ＭＳ 明朝, ＭＳ Ｐ明朝,
// HG正楷書体-PRO and their usual aliases) stand for one installed mincho face,
// wherever the named font itself is missing. Call once, before any window is
// made. Returns the face chosen, or empty (nothing substituted) when no mincho
// face is installed.
QString UseOneJapaneseFace();

// A message box with an OK button and the program's title.
void ShowMessage(QWidget* parent, const QString& text);
// `question` with the title "Confirmation", OK and Cancel: true for OK.
bool Confirm(QWidget* parent, const QString& question);
// "Changes will be discarded", as Confirm asks it.
bool ConfirmDiscard(QWidget* parent);

}  // namespace oralis

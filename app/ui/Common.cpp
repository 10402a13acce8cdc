#include "ui/Common.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace oralis {

namespace {
constexpr double kTwipsPerInch = 1440.0;

double LogicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}
}  // namespace

int Twips(int twips)
{
    return static_cast<int>(std::lround(twips * LogicalDpi() / kTwipsPerInch));
}

QRect TwipRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(TwipRect(left, top, width, height));
}

void SetPaletteColour(QWidget* w, QPalette::ColorRole role, const QColor& colour)
{
    QPalette p = w->palette();
    p.setColor(role, colour);
    w->setPalette(p);
}

QFont NamedFont(const QString& family, double pointSize, bool bold)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

bool ConfirmDiscard(QWidget* parent)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmation"),
                    QStringLiteral("Changes will be discarded"),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    return box.exec() == QMessageBox::Ok;
}

}  // namespace oralis

#include "ui/Common.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <algorithm>
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

QString UseOneJapaneseFace()
{
    // Without this, fontconfig fills a missing Japanese font per script:
    // kanji from a gothic face, kana from a mincho one, so that one caption
    // shows two typefaces.
    static const QStringList named{
        QStringLiteral("ＭＳ 明朝"),       QStringLiteral("ＭＳ Ｐ明朝"),
        QStringLiteral("MS Mincho"),       QStringLiteral("MS PMincho"),
        QStringLiteral("ＭＳ ゴシック"),   QStringLiteral("ＭＳ Ｐゴシック"),
        QStringLiteral("MS Gothic"),       QStringLiteral("MS PGothic"),
        QStringLiteral("HG正楷書体-PRO"),
    };
    // The first is what the setup installs (fonts-noto-cjk).
    static const QStringList mincho{
        QStringLiteral("Noto Serif CJK JP"), QStringLiteral("Source Han Serif JP"),
        QStringLiteral("IPAexMincho"),       QStringLiteral("IPAMincho"),
        QStringLiteral("TakaoMincho"),       QStringLiteral("Noto Serif JP"),
    };
    QString face;
    const auto known = std::find_if(mincho.cbegin(), mincho.cend(),
                                    [](const QString& f) { return QFontDatabase::hasFamily(f); });
    if (known != mincho.cend()) {
        face = *known;
    } else {
        // Any other Japanese face that calls itself a mincho or a serif.
        for (const QString& f : QFontDatabase::families(QFontDatabase::Japanese)) {
            if (f.contains(QStringLiteral("Mincho"), Qt::CaseInsensitive) ||
                f.contains(QStringLiteral("Serif"), Qt::CaseInsensitive) || f.contains(QStringLiteral("明朝"))) {
                face = f;
                break;
            }
        }
    }
    if (face.isEmpty())
        return face;
    for (const QString& family : named)
        QFont::insertSubstitution(family, face);
    return face;
}

void ShowMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

bool Confirm(QWidget* parent, const QString& question)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("oralis::Messages", "Confirmation"), question,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("ConfirmBox"));
    return box.exec() == QMessageBox::Ok;
}

bool ConfirmDiscard(QWidget* parent)
{
    return Confirm(parent, QCoreApplication::translate("oralis::Messages", "Changes will be discarded"));
}

}  // namespace oralis

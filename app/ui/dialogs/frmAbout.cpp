#include "ui/dialogs/frmAbout.h"

#include "Version.h"
#include "ui/Common.h"
#include "ui/dialogs/FormBackground.h"

#include <QLabel>
#include <QPushButton>

namespace oralis {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                  int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(NamedFont(QStringLiteral("Times New Roman"), 12.0, true));
    SetPaletteColour(label, QPalette::WindowText, colour);
    PlaceTwips(label, 360, top, 2655, 375);
    return label;
}

}  // namespace

frmAbout& frmAbout::Instance()
{
    // Never deleted: a widget must not outlive the application object.
    static frmAbout* instance = new frmAbout();
    return *instance;
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kProgramTitle);
    setFixedSize(Twips(3255), Twips(1815));
    const QColor plain = palette().color(QPalette::Window);

    Shape1 = FormBorder(this, 3255, 1815);

    // The gradient is dark green at the top and bright in the middle: the title
    // line sits on the dark part, the other two lines on the bright part.
    Label1 = MakeLabel(this, "Label1", tr("Lip reading trainer %1").arg(QLatin1String(kOralisVersion)),
                       Qt::white, 120);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Oralis"), Qt::black, 480);
    Label3 = MakeLabel(this, "Label3", tr("Beta Version"), Qt::black, 840);

    Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(NamedFont(QStringLiteral("Times New Roman"), 9.75, true));
    Command1->setDefault(true);
    SetPaletteColour(Command1, QPalette::Window, plain);
    PlaceTwips(Command1, 2400, 1320, 735, 375);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    PaintFormBackground(this, 2, QStringLiteral("G"));
}

}  // namespace oralis

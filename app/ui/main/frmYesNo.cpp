#include "ui/main/frmYesNo.h"

#include "model/QuizTurns.h"

#include "ui/Common.h"
#include "ui/LearnerHost.h"
#include "ui/NumberLineEdit.h"
#include "ui/dialogs/FormBackground.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace oralis {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(NamedFont(QStringLiteral("ＭＳ 明朝"), 9.75));
    return button;
}

}  // namespace

frmYesNo::frmYesNo(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmYesNo"));
    setWindowTitle(tr("Form1", "the title of the quiz's question"));
    setFixedSize(Twips(2430), Twips(1245));

    Yes = MakeButton(this, "Yes", tr("繼續"));
    PlaceTwips(Yes, 240, 120, 1035, 315);
    No = MakeButton(this, "No", tr("終了"));
    PlaceTwips(No, 240, 480, 555, 315);
    Text1 = new NumberLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    PlaceTwips(Text1, 1320, 480, 435, 255);
    Label1 = new QLabel(QStringLiteral("%"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(NamedFont(QStringLiteral("Times New Roman"), 9.75, true));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    PlaceTwips(Label1, 1920, 480, 315, 435);
    Repeat = MakeButton(this, "Repeat", tr("再表示"));
    PlaceTwips(Repeat, 240, 840, 915, 315);

    setTabOrder(Yes, No);
    setTabOrder(No, Text1);
    setTabOrder(Text1, Repeat);

    // Return in the speed box goes on too, with the speed just typed.
    Yes->setDefault(true);
    connect(Yes, &QPushButton::clicked, this, [this] { Answer(kQuizGoOn); });
    connect(No, &QPushButton::clicked, this, [this] { Answer(kQuizStop); });
    connect(Repeat, &QPushButton::clicked, this, [this] { Answer(kQuizRepeat); });

    PaintFormBackground(this, 3, QStringLiteral("R"));
}

void frmYesNo::showEvent(QShowEvent* event)
{
    if (Main)
        Text1->setText(Main->SpeedText());
    // Return always means go on: left on the last button pressed, the focus
    // would let a Return after "終了" end the next quiz at once.
    Yes->setFocus();
    QDialog::showEvent(event);
}

void frmYesNo::reject()
{
    // Closing the window or pressing Escape stops the quiz, without the
    // speed typed here.
    YN = kQuizStop;
    QDialog::reject();
}

void frmYesNo::Answer(int16_t yn)
{
    YN = yn;
    if (AnswerCarriesSpeed(yn) && Main)
        Main->SetSpeedText(Text1->text());
    if (yn == kQuizStop)
        QDialog::reject();
    else
        accept();
}

}  // namespace oralis

#include "ui/editor/frmCopy.h"

#include "model/ProgramState.h"
#include "ui/Common.h"
#include "ui/NumberLineEdit.h"
#include "ui/editor/EditorHost.h"
#include "ui/editor/EditorWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace oralis {

frmCopy::frmCopy(EditorHost& host, QWidget* parent)
    : QDialog(parent)
    , host_(host)
{
    setObjectName(QStringLiteral("frmCopy"));
    setWindowTitle(tr("Form1", "the title of the dialog that copies a frame"));
    setModal(true);
    PaintEditorColours(this);
    setFixedSize(Twips(2280), Twips(2265));

    cmbIndex = new SignList(this);
    cmbIndex->setObjectName(QStringLiteral("cmbIndex"));
    cmbIndex->setEditText(tr("Sign Index"));
    PlaceTwips(cmbIndex, 120, 120, 1575, 300);

    EditorLabel(this, QStringLiteral("Label13"), tr("Frame No"), 120, 660, 855, 255, 9.75);

    FrameNoTxt = new NumberLineEdit(this);
    FrameNoTxt->setText(QStringLiteral("1"));
    FrameNoTxt->setObjectName(QStringLiteral("FrameNoTxt"));
    FrameNoTxt->setFont(NamedFont(QStringLiteral("Times New Roman"), 9.0, false));
    PlaceTwips(FrameNoTxt, 1080, 660, 375, 270);

    auto* line = new TwipLine(this, 1680, 540, 1500, 1020);
    line->setObjectName(QStringLiteral("Line2"));

    TotalFrameLbl = EditorLabel(this, QStringLiteral("TotalFrameLbl"), QStringLiteral("1"), 1800, 660, 315, 255);

    auto* cmdPreview = new QPushButton(tr("Preview"), this);
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    PlaceTwips(cmdPreview, 120, 1080, 735, 375);
    // Return in the frame box previews rather than closing the dialog.
    cmdPreview->setDefault(true);
    auto* Command1 = new QPushButton(tr("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    PlaceTwips(Command1, 120, 1680, 735, 375);
    auto* Command2 = new QPushButton(tr("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setAutoDefault(false);
    PlaceTwips(Command2, 960, 1680, 735, 375);

    connect(cmbIndex, &QComboBox::activated, this, &frmCopy::SignChosen);
    connect(cmdPreview, &QPushButton::clicked, this, &frmCopy::PreviewClicked);
    connect(Command1, &QPushButton::clicked, this, &frmCopy::OkClicked);
    connect(Command2, &QPushButton::clicked, this, &frmCopy::reject);
}

void frmCopy::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Rtn = false;
    cmbIndex->Refill(SignNames());
    cmbIndex->setEditText(tr("Characters"));
}

void frmCopy::SignChosen(int position)
{
    Show(ChooseSign(Program().signTable, position));
}

void frmCopy::PreviewClicked()
{
    Show(Preview(Program().signTable, FrameNoTxt->text()));
}

void frmCopy::OkClicked()
{
    const QString refusal = OkRefusal(Program().signTable);
    if (!refusal.isEmpty()) {
        ShowMessage(this, refusal);
        return;
    }
    Rtn = true;
    accept();
}

void frmCopy::reject()
{
    Rtn = false;
    QDialog::reject();
}

void frmCopy::Show(const CopyChoice::View& view)
{
    if (view.frameNo)
        FrameNoTxt->setText(*view.frameNo);
    if (view.total) {
        TotalFrameLbl->setText(QString::number(*view.total));
        TotalFrameLbl->repaint();
    }
    if (view.show)
        host_.PreviewFrame(*view.show);
    if (!view.message.isEmpty())
        ShowMessage(this, view.message);
}

}  // namespace oralis

#include "ui/editor/frmCopy.h"

#include "model/FrameEditing.h"
#include "model/ProgramState.h"
#include "ui/Common.h"
#include "ui/NumberLineEdit.h"
#include "ui/editor/EditorWidgets.h"
#include "ui/main/frmSpace.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace oralis {

namespace {
const QString kChannelExceeds = QStringLiteral("Channel number exceeds");
const QString kFrameExceeds = QStringLiteral("Frame number exceeds");
const QString kFrameBelowOne = QStringLiteral("Frame number must be 1 or more");
const QString kSignWithoutFrame = QStringLiteral("This sign has no frame");
}  // namespace

frmCopy::frmCopy(frmSpace& main, QWidget* parent)
    : QDialog(parent)
    , main_(main)
{
    setObjectName(QStringLiteral("frmCopy"));
    setWindowTitle(QStringLiteral("Form1"));
    setModal(true);
    PaintEditorColours(this);
    setFixedSize(Twips(2280), Twips(2265));

    cmbIndex = new SignList(this);
    cmbIndex->setObjectName(QStringLiteral("cmbIndex"));
    cmbIndex->setEditText(QStringLiteral("Sign Index"));
    PlaceTwips(cmbIndex, 120, 120, 1575, 300);

    EditorLabel(this, QStringLiteral("Label13"), QStringLiteral("Frame No"), 120, 660, 855, 255, 9.75);

    FrameNoTxt = new NumberLineEdit(this);
    FrameNoTxt->setText(QStringLiteral("1"));
    FrameNoTxt->setObjectName(QStringLiteral("FrameNoTxt"));
    FrameNoTxt->setFont(NamedFont(QStringLiteral("Times New Roman"), 9.0, false));
    PlaceTwips(FrameNoTxt, 1080, 660, 375, 270);

    auto* line = new TwipLine(this, 1680, 540, 1500, 1020);
    line->setObjectName(QStringLiteral("Line2"));

    TotalFrameLbl = EditorLabel(this, QStringLiteral("TotalFrameLbl"), QStringLiteral("1"), 1800, 660, 315, 255);

    auto* cmdPreview = new QPushButton(QStringLiteral("Preview"), this);
    cmdPreview->setObjectName(QStringLiteral("cmdPreview"));
    PlaceTwips(cmdPreview, 120, 1080, 735, 375);
    // Return in the frame box previews rather than closing the dialog.
    cmdPreview->setDefault(true);
    auto* Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    PlaceTwips(Command1, 120, 1680, 735, 375);
    auto* Command2 = new QPushButton(QStringLiteral("Cancel"), this);
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
    cmbIndex->setEditText(QStringLiteral("Characters"));
}

void frmCopy::SignChosen(int position)
{
    if (position < 0 || position >= kSignSlots)
        return;
    CopyI = static_cast<int16_t>(position);
    FrameNoTxt->setText(QStringLiteral("1"));
    CopyJ = 0;
    const SignEntry& sign = Program().signTable[CopyI];
    TotalFrameLbl->setText(QString::number(sign.FrameCount));
    TotalFrameLbl->repaint();
    if (sign.FrameCount > 0)
        ShowFrame(CopyI, 0);
}

void frmCopy::PreviewClicked()
{
    const SignTable& table = Program().signTable;
    if (CopyI < 0 || CopyI >= table.SignCount) {
        ShowMessage(this, kChannelExceeds);
        return;
    }
    // A refused number leaves CopyJ at the last frame that exists, so OK can
    // never hand back a frame that is not there.
    const FrameNumber n = ReadFrameNumber(FrameNoTxt->text(), table[CopyI].FrameCount);
    switch (n.check) {
    case FrameNumberCheck::Ok:
        CopyJ = n.index;
        ShowFrame(CopyI, CopyJ);
        return;
    case FrameNumberCheck::NoFrame:
        ShowMessage(this, kSignWithoutFrame);
        return;
    case FrameNumberCheck::Empty:
    case FrameNumberCheck::BelowOne:
        ShowMessage(this, kFrameBelowOne);
        return;
    case FrameNumberCheck::Exceeds:
        break;
    }
    ShowMessage(this, kFrameExceeds);
}

void frmCopy::OkClicked()
{
    // The choice may predate a table loaded since, or name a sign without
    // frames: such a pair is refused here and the dialog stays open.
    const SignTable& table = Program().signTable;
    if (CopyI < 0 || CopyI >= table.SignCount) {
        ShowMessage(this, kChannelExceeds);
        return;
    }
    const SignEntry& sign = table[CopyI];
    if (sign.FrameCount < 1) {
        ShowMessage(this, kSignWithoutFrame);
        return;
    }
    if (CopyJ < 0 || CopyJ >= sign.FrameCount) {
        ShowMessage(this, kFrameExceeds);
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

void frmCopy::ShowFrame(int16_t sign, int16_t frame)
{
    const SignEntry& entry = Program().signTable[sign];
    if (frame < 0 || frame >= static_cast<int>(entry.Frames.size()))
        return;
    const LipFrame& f = entry.Frames[static_cast<size_t>(frame)];
    const LipExports& lip = main_.Lip();
    if (lip.ControlPass)
        lip.ControlPass(f.upperCurve(), f.upperAngle(), f.lowerCurve(), f.lowerAngle());
    main_.Display(0);
}

}  // namespace oralis

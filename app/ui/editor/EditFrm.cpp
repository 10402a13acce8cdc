#include "ui/editor/EditFrm.h"

#include "model/DataPlaces.h"
#include "model/ProgramState.h"
#include "playback/SignAction.h"
#include "ui/BesideMain.h"
#include "ui/Common.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/editor/EditorHost.h"
#include "ui/editor/EditorWidgets.h"
#include "ui/editor/frmCopy.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace oralis {

namespace {

constexpr int kColumnLeft[3] = {360, 1020, 1680};
constexpr int kUpperRowTop[3] = {1080, 1440, 1800};
constexpr int kLowerRowTop[3] = {3000, 3360, 3720};

}  // namespace

void OpenEditor(QWidget& window, EditorHost& host)
{
    auto* editor = window.findChild<EditFrm*>(QString(), Qt::FindDirectChildrenOnly);
    if (!editor)
        editor = new EditFrm(host, &window);
    editor->FillSignList();
    ShowBeside(*editor, window, host.PictureOnScreen());
}

EditFrm::EditFrm(EditorHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , host_(host)
    , session_(Program().signTable)
{
    setObjectName(QStringLiteral("EditFrm"));
    setWindowTitle(tr("Edit Form"));
    PaintEditorColours(this);
    setFixedSize(Twips(5490), Twips(6240));
    BuildWidgets();
}

void EditFrm::BuildWidgets()
{
    EditorLabel(this, QStringLiteral("Label1"), tr("Velocity rate"), 360, 240, 1335, 255);

    auto* vrate = new SelectingBox(this);
    vrate->setObjectName(QStringLiteral("VrateTxt"));
    vrate->setText(QStringLiteral("1"));
    PlaceTwips(vrate, 1920, 240, 495, 270);
    fields_[kVrateSlot] = vrate;

    cmbIndex = new SignList(this);
    cmbIndex->setObjectName(QStringLiteral("cmbIndex"));
    cmbIndex->setEditText(tr("Sign Index"));
    PlaceTwips(cmbIndex, 3000, 180, 1575, 300);

    EditorLabel(this, QStringLiteral("Label13"), tr("Frame No"), 2580, 660, 855, 255, 9.75);

    FrameNoTxt = new SelectingBox(this);
    FrameNoTxt->setObjectName(QStringLiteral("FrameNoTxt"));
    FrameNoTxt->setAlignment(Qt::AlignCenter);
    FrameNoTxt->setFont(NamedFont(QStringLiteral("Times New Roman"), 9.0, false));
    FrameNoTxt->setText(QStringLiteral("1"));
    PlaceTwips(FrameNoTxt, 3540, 660, 375, 270);

    auto* line = new TwipLine(this, 4200, 540, 4020, 1020);
    line->setObjectName(QStringLiteral("Line2"));

    TotalFrameLbl = EditorLabel(this, QStringLiteral("TotalFrameLbl"), QStringLiteral("1"), 4260, 660, 315, 255);

    // Column heads "1", "2", "3" and row heads "Y", "Z", "X" of both grids.
    const QString columnNames[3] = {QStringLiteral("Label6"), QStringLiteral("Label7"), QStringLiteral("Label8")};
    const QString rowNames[3] = {QStringLiteral("Label5"), QStringLiteral("Label2"), QStringLiteral("Label3")};
    const QString rowTexts[3] = {QStringLiteral("Y"), QStringLiteral("Z"), QStringLiteral("X")};
    const int headLeft[2][3] = {{540, 1200, 1860}, {600, 1260, 1860}};
    const int headTop[2] = {720, 2640};
    const int* rowTop[2] = {kUpperRowTop, kLowerRowTop};
    const int rowHeadTop[2][3] = {{1050, 1440, 1800}, {3000, 3360, 3720}};
    for (int grid = 0; grid < 2; ++grid) {
        const QString element = QStringLiteral("(%1)").arg(grid);
        for (int i = 0; i < 3; ++i) {
            EditorLabel(this, columnNames[i] + element, QString::number(i + 1), headLeft[grid][i],
                        headTop[grid], 255, 255);
            EditorLabel(this, rowNames[i] + element, rowTexts[i], 120, rowHeadTop[grid][i], 255, 255);
        }
        for (int e = 0; e < kGridElements; ++e) {
            auto* box = new SelectingBox(this);
            const int slot = grid == 0 ? UpTxSlot(e) : LwTxSlot(e);
            box->setObjectName(SlotName(slot));
            box->setText(QStringLiteral("0"));
            PlaceTwips(box, kColumnLeft[e / 3], rowTop[grid][e % 3], 555, 315);
            fields_[static_cast<size_t>(slot)] = box;
        }
        // The teeth angles sit beside the grids and need no caption.
        auto* angle = new SelectingBox(this, false);
        const int slot = grid == 0 ? kUpAngSlot : kLwAngSlot;
        angle->setObjectName(SlotName(slot));
        angle->setText(QStringLiteral("0"));
        PlaceTwips(angle, 3360, grid == 0 ? 1440 : 3360, 855, 375);
        fields_[static_cast<size_t>(slot)] = angle;
    }

    auto* AddCmd = EditorButton(this, QStringLiteral("AddCmd"), tr("Add Frame"), 120, 4680, 1215, 255, 9.75);
    auto* cmdDisp = EditorButton(this, QStringLiteral("cmdDisp"), tr("Disp"), 1800, 4680, 615, 375);
    auto* cmdFrameLoad = EditorButton(this, QStringLiteral("cmdFrameLoad"), tr("Load"), 2640, 4680, 735, 375);
    auto* DeleteCmd = EditorButton(this, QStringLiteral("DeleteCmd"), tr("Delete Frame"), 120, 5040, 1215, 255, 9.75);
    auto* cmdAction = EditorButton(this, QStringLiteral("cmdAction"), tr("Action"), 1680, 5160, 855, 375);
    auto* cmdSet = EditorButton(this, QStringLiteral("cmdSet"), tr("Set"), 2640, 5160, 735, 375);
    auto* CopyCmd = EditorButton(this, QStringLiteral("CopyCmd"), tr("Copy From"), 120, 5400, 1215, 255, 9.75);
    auto* cmdAddChar = EditorButton(this, QStringLiteral("cmdAddChar"), tr("Add Char"), 120, 5760, 1215, 255, 9.75);
    auto* CmdSave = EditorButton(this, QStringLiteral("CmdSave"), tr("Save"), 2640, 5640, 735, 375);
    auto* cmdClose = EditorButton(this, QStringLiteral("cmdClose"), tr("Close"), 3720, 5640, 735, 375);

    for (int slot = 0; slot < kEditFieldCount; ++slot) {
        connect(Field(slot), &QLineEdit::textChanged, this, [this, slot](const QString& text) {
            if (!showing_)
                session_.FieldEdited(slot, text);
        });
    }
    connect(cmbIndex, &SignList::aboutToOpen, this, [this] {
        session_.ListOpening([this](const QString& q) { return Ask(q); });
        // A list position must be the sign index, also after another table
        // was opened while the editor stayed open.
        SyncSignList();
    });
    connect(cmbIndex, &QComboBox::activated, this, &EditFrm::SignChosen);
    connect(FrameNoTxt, &SelectingBox::focusReceived, this, [this] { session_.FrameNoFocused(); });
    connect(FrameNoTxt, &SelectingBox::clicked, this,
            [this] { Show(session_.FrameNoClicked([this](const QString& q) { return Ask(q); })); });
    connect(FrameNoTxt, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!showing_)
            Show(session_.FrameNoTyped(text));
    });
    connect(cmdFrameLoad, &QPushButton::clicked, this, [this] { Show(session_.Load()); });
    connect(cmdDisp, &QPushButton::clicked, this, [this] { Show(session_.Disp()); });
    connect(cmdSet, &QPushButton::clicked, this, [this] { Show(session_.Set(QLocale::system())); });
    connect(cmdAction, &QPushButton::clicked, this, &EditFrm::ActionClicked);
    connect(AddCmd, &QPushButton::clicked, this, [this] { Show(session_.AddFrame()); });
    connect(DeleteCmd, &QPushButton::clicked, this, [this] { Show(session_.DeleteFrame()); });
    connect(CopyCmd, &QPushButton::clicked, this, &EditFrm::CopyFromClicked);
    connect(cmdAddChar, &QPushButton::clicked, this, &EditFrm::AddCharClicked);
    connect(CmdSave, &QPushButton::clicked, this, &EditFrm::SaveClicked);
    connect(cmdClose, &QPushButton::clicked, this,
            [this] { Show(session_.Close([this](const QString& q) { return Ask(q); })); });
}

void EditFrm::FillSignList()
{
    cmbIndex->Refill(SignNames());
}

void EditFrm::SyncSignList()
{
    const QStringList names = SignNames();
    if (cmbIndex->Items() != names)
        cmbIndex->Refill(names);
}

bool EditFrm::Ask(const QString& question)
{
    return Confirm(this, question);
}

void EditFrm::Show(const EditorView& view)
{
    showing_ = true;
    if (view.frameNo)
        SetTextIfDifferent(FrameNoTxt, *view.frameNo);
    if (view.fields) {
        for (int slot = 0; slot < kEditFieldCount; ++slot) {
            SetTextIfDifferent(Field(slot), session_.Fields()[static_cast<size_t>(slot)]);
            // A number wider than its narrow box shows its start, not its end.
            Field(slot)->setCursorPosition(0);
        }
    }
    showing_ = false;
    if (view.total) {
        TotalFrameLbl->setText(QString::number(*view.total));
        TotalFrameLbl->repaint();
    }
    if (view.newSign) {
        const QString text = cmbIndex->currentText();
        cmbIndex->addItem(*view.newSign);
        cmbIndex->setEditText(text);
    }
    if (view.restoreList) {
        SyncSignList();
        const QSignalBlocker quiet(cmbIndex);
        const int16_t current = session_.CurrentSign();
        cmbIndex->setCurrentIndex(current < cmbIndex->count() ? current : -1);
    }
    if (view.draw)
        host_.PreviewFrame(*view.draw);
    if (!view.message.isEmpty())
        ShowMessage(this, view.message);
    if (view.hide)
        hide();
}

frmCopy* EditFrm::CopyDialog()
{
    if (!copy_)
        copy_ = new frmCopy(host_, this);
    return copy_;
}

void EditFrm::SignChosen(int position)
{
    Show(session_.ChooseSign(position, cmbIndex->ChosenFromList(),
                             [this](const QString& q) { return Ask(q); }));
}

void EditFrm::ActionClicked()
{
    QString why;
    const std::optional<int16_t> sign = session_.ActionSign(&why);
    const std::optional<PlaybackPlan> plan =
        sign ? PlanSignAction(Program().signTable, *sign, host_.SpeedText(), &why) : std::nullopt;
    if (!plan) {
        ShowMessage(this, why);
        return;
    }
    const LipExports& lip = host_.Lip();
    if (!lip.complete())
        return;
    RunPlan(*plan, lip, [this](int16_t steps) { host_.Display(steps); }, Program().PlaybackActive);
}

void EditFrm::CopyFromClicked()
{
    frmCopy* dialog = CopyDialog();
    dialog->exec();
    Show(session_.CopyFrom(dialog->Rtn, dialog->CopyI, dialog->CopyJ));
}

void EditFrm::AddCharClicked()
{
    // The new sign goes to the end of the list, which must then be its index.
    SyncSignList();
    Show(session_.AddChar());
}

void EditFrm::SaveClicked()
{
    Obtain_FilePath2& chooser = Obtain_FilePath2::Instance();
    chooser.Prepare(false, tr("Initial Pattern"), QStringLiteral(".csv"));
    if (const std::optional<QString> folder = session_.SaveFolderToOffer(ProgramFolder(), UserDataFolder()))
        chooser.SetFolder(*folder);
    chooser.exec();
    if (!EditorSession::SaveChosen(chooser.Rtn, chooser.FajliloSufikso))
        return;
    QString why;
    const bool written = host_.Pattern_Save(chooser.TargetFile, &why);
    Show(session_.Saved(written, why));
}

void EditFrm::closeEvent(QCloseEvent* event)
{
    // The window frame's close button is Close, question included.
    event->ignore();
    Show(session_.Close([this](const QString& q) { return Ask(q); }));
}

}  // namespace oralis

#include "ui/editor/EditFrm.h"

#include "model/DataPlaces.h"
#include "model/ProgramState.h"
#include "ui/Common.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/editor/EditorWidgets.h"
#include "ui/editor/frmCopy.h"
#include "ui/main/frmSpace.h"

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

void Draw(const LipExports& lip, const LipFrame& frame)
{
    if (lip.ControlPass)
        lip.ControlPass(frame.upperCurve(), frame.upperAngle(), frame.lowerCurve(), frame.lowerAngle());
}

}  // namespace

void OpenEditor(frmSpace& main)
{
    auto* editor = main.findChild<EditFrm*>(QString(), Qt::FindDirectChildrenOnly);
    if (!editor)
        editor = new EditFrm(main);
    editor->FillSignList();
    editor->show();
    editor->raise();
    editor->activateWindow();
}

EditFrm::EditFrm(frmSpace& main)
    : QWidget(&main, Qt::Window)
    , main_(main)
{
    setObjectName(QStringLiteral("EditFrm"));
    setWindowTitle(QStringLiteral("Edit Form"));
    PaintEditorColours(this);
    setFixedSize(Twips(5490), Twips(6240));
    BuildWidgets();
}

void EditFrm::BuildWidgets()
{
    EditorLabel(this, QStringLiteral("Label1"), QStringLiteral("Velocity rate"), 360, 240, 1335, 255);

    auto* vrate = new SelectingBox(this);
    vrate->setObjectName(QStringLiteral("VrateTxt"));
    vrate->setText(QStringLiteral("1"));
    PlaceTwips(vrate, 1920, 240, 495, 270);
    fields_[kVrateSlot] = vrate;

    cmbIndex = new SignList(this);
    cmbIndex->setObjectName(QStringLiteral("cmbIndex"));
    cmbIndex->setEditText(QStringLiteral("Sign Index"));
    PlaceTwips(cmbIndex, 3000, 180, 1575, 300);

    EditorLabel(this, QStringLiteral("Label13"), QStringLiteral("Frame No"), 2580, 660, 855, 255, 9.75);

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

    auto* AddCmd = EditorButton(this, QStringLiteral("AddCmd"), QStringLiteral("Add Frame"), 120, 4680, 1215, 255, 9.75);
    auto* cmdDisp = EditorButton(this, QStringLiteral("cmdDisp"), QStringLiteral("Disp"), 1800, 4680, 615, 375);
    auto* cmdFrameLoad = EditorButton(this, QStringLiteral("cmdFrameLoad"), QStringLiteral("Load"), 2640, 4680, 735, 375);
    auto* DeleteCmd = EditorButton(this, QStringLiteral("DeleteCmd"), QStringLiteral("Delete Frame"), 120, 5040, 1215, 255, 9.75);
    auto* cmdAction = EditorButton(this, QStringLiteral("cmdAction"), QStringLiteral("Action"), 1680, 5160, 855, 375);
    auto* cmdSet = EditorButton(this, QStringLiteral("cmdSet"), QStringLiteral("Set"), 2640, 5160, 735, 375);
    auto* CopyCmd = EditorButton(this, QStringLiteral("CopyCmd"), QStringLiteral("Copy From"), 120, 5400, 1215, 255, 9.75);
    auto* cmdAddChar = EditorButton(this, QStringLiteral("cmdAddChar"), QStringLiteral("Add Char"), 120, 5760, 1215, 255, 9.75);
    auto* CmdSave = EditorButton(this, QStringLiteral("CmdSave"), QStringLiteral("Save"), 2640, 5640, 735, 375);
    auto* cmdClose = EditorButton(this, QStringLiteral("cmdClose"), QStringLiteral("Close"), 3720, 5640, 735, 375);

    for (int slot = 0; slot < kEditFieldCount; ++slot) {
        if (slot == kUpAngSlot || slot == kLwAngSlot)
            continue;  // a changed angle is not an edit to ask about
        connect(Field(slot), &QLineEdit::textChanged, this, [this] { FrameChanged = true; });
    }
    connect(cmbIndex, &SignList::aboutToOpen, this, &EditFrm::ListOpening);
    connect(cmbIndex, &QComboBox::activated, this, &EditFrm::SignChosen);
    connect(FrameNoTxt, &SelectingBox::focusReceived, this, &EditFrm::FrameNoFocused);
    connect(FrameNoTxt, &SelectingBox::clicked, this, &EditFrm::FrameNoClicked);
    connect(FrameNoTxt, &QLineEdit::textChanged, this, &EditFrm::FrameNoChanged);
    connect(cmdFrameLoad, &QPushButton::clicked, this, &EditFrm::LoadClicked);
    connect(cmdDisp, &QPushButton::clicked, this, &EditFrm::ShowEditFields);
    connect(cmdSet, &QPushButton::clicked, this, &EditFrm::SetClicked);
    connect(cmdAction, &QPushButton::clicked, this, &EditFrm::ActionClicked);
    connect(AddCmd, &QPushButton::clicked, this, &EditFrm::AddFrameClicked);
    connect(DeleteCmd, &QPushButton::clicked, this, &EditFrm::DeleteFrameClicked);
    connect(CopyCmd, &QPushButton::clicked, this, &EditFrm::CopyFromClicked);
    connect(cmdAddChar, &QPushButton::clicked, this, &EditFrm::AddCharClicked);
    connect(CmdSave, &QPushButton::clicked, this, &EditFrm::SaveClicked);
    connect(cmdClose, &QPushButton::clicked, this, &EditFrm::CloseClicked);
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

FieldTexts EditFrm::CurrentTexts() const
{
    FieldTexts texts;
    for (int slot = 0; slot < kEditFieldCount; ++slot)
        texts[static_cast<size_t>(slot)] = Field(slot)->text();
    return texts;
}

// The order of writing is the one the window has always used: each upper
// column Y, Z, X, the upper angle, the same for the lower grid, then the
// velocity rate.
void EditFrm::ShowTexts(const FieldTexts& texts)
{
    auto show = [this, &texts](int slot) {
        QLineEdit* box = Field(slot);
        SetTextIfDifferent(box, texts[static_cast<size_t>(slot)]);
        // A number wider than its narrow box shows its start, not its end.
        box->setCursorPosition(0);
    };
    for (int e = 0; e < kGridElements; ++e)
        show(UpTxSlot(e));
    show(kUpAngSlot);
    for (int e = 0; e < kGridElements; ++e)
        show(LwTxSlot(e));
    show(kLwAngSlot);
    show(kVrateSlot);
}

void EditFrm::LoadFrameFields(int16_t sign, int16_t frame)
{
    if (sign < 0 || sign >= kSignSlots)
        return;
    const SignEntry& entry = Program().signTable[sign];
    if (frame < 0 || frame >= entry.FrameCount || frame >= static_cast<int>(entry.Frames.size()))
        return;
    ShowTexts(FieldTextsOf(entry.Frames[static_cast<size_t>(frame)]));
    ShowEditFields();
}

void EditFrm::ShowEditFields()
{
    Draw(main_.Lip(), PreviewFrame(CurrentTexts()));
    main_.Display(0);
}

bool EditFrm::StoreFrameFields(int16_t sign, int16_t frame, QString* whyNot)
{
    return StoreFrame(Program().signTable, sign, frame, CurrentTexts(), QLocale::system(), whyNot);
}

frmCopy* EditFrm::CopyDialog()
{
    if (!copy_)
        copy_ = new frmCopy(main_, this);
    return copy_;
}

SignEntry& EditFrm::Current()
{
    return Program().signTable[CurrentSign];
}

void EditFrm::SetFrameNoQuietly(const QString& text)
{
    frameNoQuiet_ = true;
    SetTextIfDifferent(FrameNoTxt, text);
    frameNoQuiet_ = false;
}

void EditFrm::ShowTotal(int16_t count)
{
    TotalFrameLbl->setText(QString::number(count));
    TotalFrameLbl->repaint();
}

bool EditFrm::CurrentSignInTable()
{
    if (CurrentSign < Program().signTable.SignCount)
        return true;
    ShowMessage(this, QStringLiteral("Sign %1 is not in the table: choose a sign from the list").arg(CurrentSign));
    return false;
}

std::optional<int16_t> EditFrm::NumberedFrame()
{
    if (!CurrentSignInTable())
        return std::nullopt;
    const FrameNumber n = ReadFrameNumber(FrameNoTxt->text(), Current().FrameCount);
    if (n.check != FrameNumberCheck::Ok) {
        ShowMessage(this, FrameNumberMessage(n.check));
        return std::nullopt;
    }
    return n.index;
}

void EditFrm::ListOpening()
{
    if (FrameChanged && ConfirmDiscard(this))
        FrameChanged = false;
    // A list position must be the sign index, also after another table was
    // opened while the editor stayed open.
    SyncSignList();
}

void EditFrm::SignChosen(int position)
{
    if (position < 0 || position >= kSignSlots)
        return;
    // Only the closed list can still name a sign beyond the table, after a
    // smaller table was opened; the open list is brought in step as it opens.
    if (position >= Program().signTable.SignCount) {
        SyncSignList();
        const QSignalBlocker quiet(cmbIndex);
        cmbIndex->setCurrentIndex(CurrentSign < cmbIndex->count() ? CurrentSign : -1);
        return;
    }
    // Opening the list has asked already; an arrow key or the mouse wheel on
    // the closed box has not, and must not throw edits away unasked.
    if (!cmbIndex->ChosenFromList() && FrameChanged && !ConfirmDiscard(this)) {
        const QSignalBlocker quiet(cmbIndex);
        cmbIndex->setCurrentIndex(CurrentSign < cmbIndex->count() ? CurrentSign : -1);
        return;
    }
    CurrentSign = static_cast<int16_t>(position);
    // The frame is loaded right below; the box must not load it a second time.
    SetFrameNoQuietly(QStringLiteral("1"));
    const SignEntry& sign = Current();
    ShowTotal(sign.FrameCount);
    if (sign.FrameCount > 0) {
        LoadFrameFields(CurrentSign, 0);
    } else {
        // Nothing to load: show what Add Frame would give this sign.
        ShowTexts(FieldTextsOf(LipFrame::fresh()));
        ShowEditFields();
    }
    FrameChanged = false;
}

void EditFrm::FrameNoFocused()
{
    SavedFrameNo = FrameNoTxt->text();
}

void EditFrm::FrameNoClicked()
{
    if (!FrameChanged)
        return;
    if (ConfirmDiscard(this))
        FrameChanged = false;
    else
        FrameNoTxt->setText(SavedFrameNo);
}

void EditFrm::FrameNoChanged(const QString& text)
{
    if (frameNoQuiet_ || text.trimmed().isEmpty())
        return;
    const std::optional<int16_t> k = NumberedFrame();
    if (!k)
        return;
    ShowTotal(Current().FrameCount);
    LoadFrameFields(CurrentSign, *k);
}

void EditFrm::LoadClicked()
{
    const std::optional<int16_t> k = NumberedFrame();
    if (!k)
        return;
    ShowTotal(Current().FrameCount);
    LoadFrameFields(CurrentSign, *k);
    FrameChanged = false;
}

void EditFrm::SetClicked()
{
    const std::optional<int16_t> k = NumberedFrame();
    if (!k)
        return;
    QString why;
    if (!StoreFrameFields(CurrentSign, *k, &why)) {
        ShowMessage(this, why);
        return;
    }
    FrameChanged = false;
    TableChanged = true;
    ShowMessage(this, QStringLiteral("Data updated"));
}

void EditFrm::ActionClicked()
{
    if (!CurrentSignInTable())
        return;
    QString why;
    const std::optional<PlaybackPlan> plan =
        PlanSignAction(Program().signTable, CurrentSign, main_.Text1->text(), &why);
    if (!plan) {
        ShowMessage(this, why);
        return;
    }
    const LipExports& lip = main_.Lip();
    if (!lip.complete())
        return;
    RunPlan(*plan, lip, [this](int16_t steps) { main_.Display(steps); }, Program().PlaybackActive);
}

void EditFrm::AddFrameClicked()
{
    if (!CurrentSignInTable())
        return;
    QString why;
    if (!AddFrame(Program().signTable, CurrentSign, &why)) {
        ShowMessage(this, why);
        return;
    }
    const int16_t n = Current().FrameCount;
    SetFrameNoQuietly(QString::number(n));
    ShowTotal(n);
    LoadFrameFields(CurrentSign, static_cast<int16_t>(n - 1));
}

void EditFrm::DeleteFrameClicked()
{
    if (!CurrentSignInTable())
        return;
    SignEntry& sign = Current();
    if (sign.FrameCount <= 1) {
        ShowMessage(this, sign.FrameCount < 1 ? kNoFrameMessage : kCannotDeleteMessage);
        return;
    }
    const std::optional<int16_t> k = NumberedFrame();
    if (!k)
        return;
    QString why;
    const std::optional<int16_t> next = DeleteFrame(Program().signTable, CurrentSign, *k, &why);
    if (!next) {
        ShowMessage(this, why);
        return;
    }
    // The fields held the frame that is gone: left there, Set would write it
    // over the frame that took its place.
    SetFrameNoQuietly(QString::number(*next + 1));
    ShowTotal(sign.FrameCount);
    LoadFrameFields(CurrentSign, *next);
    FrameChanged = false;
}

void EditFrm::CopyFromClicked()
{
    frmCopy* dialog = CopyDialog();
    dialog->exec();
    if (!dialog->Rtn)
        return;
    // The dialog only hands back a pair naming a frame; the check stays here
    // as well because the table may have changed since.
    const SignTable& table = Program().signTable;
    if (dialog->CopyI < 0 || dialog->CopyI >= table.SignCount)
        return;
    LoadFrameFields(dialog->CopyI, dialog->CopyJ);
}

void EditFrm::AddCharClicked()
{
    // The new sign goes to the end of the list, which must then be its index.
    SyncSignList();
    QString why;
    const std::optional<int16_t> n = AddSign(Program().signTable, &why);
    if (!n) {
        ShowMessage(this, why);
        return;
    }
    // The frame box goes back to 1 of the current sign, which the window then
    // shows, as it does whenever that text changes.
    if (FrameNoTxt->text() != QStringLiteral("1")) {
        SetFrameNoQuietly(QStringLiteral("1"));
        if (Current().FrameCount > 0) {
            ShowTotal(Current().FrameCount);
            LoadFrameFields(CurrentSign, 0);
        }
    }
    const QString name = Program().signTable[*n].SignName;
    const QString text = cmbIndex->currentText();
    cmbIndex->addItem(name);
    cmbIndex->setEditText(text);
    ShowTexts(FieldTextsOf(Program().signTable[*n].Frames.front()));
}

void EditFrm::SaveClicked()
{
    Obtain_FilePath2& chooser = Obtain_FilePath2::Instance();
    chooser.OptionInitialize();
    chooser.LoadMode = false;
    chooser.SetHeading(QStringLiteral("File Save"));
    chooser.AddFajliloOptions(QStringLiteral("Initial Pattern"), QStringLiteral(".csv"));
    // An installed program's folder cannot be written, and a table saved
    // anywhere but the user's data folder would not be the one read at the next
    // start. Only the first Save of a run goes there: after it the chooser
    // stays wherever the teacher took it.
    static bool saveFolderOffered = false;
    if (!saveFolderOffered) {
        saveFolderOffered = true;
        if (const std::optional<QString> folder = TableSaveFolder(ProgramFolder(), UserDataFolder()))
            chooser.SetFolder(*folder);
    }
    chooser.exec();
    if (!chooser.Rtn)
        return;
    if (chooser.FajliloSufikso != QStringLiteral(".csv"))
        return;
    QString why;
    if (!main_.Pattern_Save(chooser.TargetFile, &why)) {
        ShowMessage(this, why.isEmpty() ? QStringLiteral("The table was not saved") : why);
        return;
    }
    TableChanged = false;
}

bool EditFrm::CloseClicked()
{
    if (TableChanged) {
        if (!ConfirmDiscard(this))
            return false;
        TableChanged = false;
    }
    hide();
    return true;
}

void EditFrm::closeEvent(QCloseEvent* event)
{
    // The window frame's close button is Close, question included.
    event->ignore();
    CloseClicked();
}

}  // namespace oralis

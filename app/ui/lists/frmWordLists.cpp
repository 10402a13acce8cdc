#include "ui/lists/frmWordLists.h"

#include "model/DataPlaces.h"
#include "model/ProgramState.h"
#include "model/WordList.h"
#include "model/WordListFile.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/lists/ListReadingWorker.h"
#include "ui/worksheet/frmWorksheet.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace oralis {

namespace {

enum Column { kTextColumn, kReadingColumn, kLookColumn, kColumns };

// Typing settles before its reading is asked for.
constexpr int kReadAfterMs = 250;

// Light enough to read black text on, far enough apart to tell groups apart.
const QColor kGroupColours[] = {{0xff, 0xe0, 0xb2}, {0xc8, 0xe6, 0xc9}, {0xbb, 0xde, 0xfb},
                                {0xf8, 0xbb, 0xd0}, {0xe1, 0xbe, 0xe7}, {0xff, 0xf5, 0x9d}};
const QColor kUnplayable(0xc6, 0x28, 0x28);

}  // namespace

void OpenWordLists(LearnerHost& host)
{
    auto* lists = host.HostWindow().findChild<frmWordLists*>(QString(), Qt::FindDirectChildrenOnly);
    if (!lists)
        lists = new frmWordLists(host);
    lists->show();
    lists->raise();
    lists->activateWindow();
}

bool WordListsMayClose(LearnerHost& host)
{
    auto* lists = host.HostWindow().findChild<frmWordLists*>(QString(), Qt::FindDirectChildrenOnly);
    return !lists || lists->MayClose();
}

frmWordLists::frmWordLists(LearnerHost& host)
    : QWidget(&host.HostWindow(), Qt::Window), host_(host), editor_(Program().signTable)
{
    setObjectName(QStringLiteral("frmWordLists"));
    setWindowTitle(tr("単語リスト編集"));
    reader_ = new ListReadingThread(this);
    connect(reader_, &ListReadingThread::readingsRead, this, &frmWordLists::ReadingsRead);
    readSoon_ = new QTimer(this);
    readSoon_->setSingleShot(true);
    readSoon_->setInterval(kReadAfterMs);
    connect(readSoon_, &QTimer::timeout, this, [this] { pendingRead_ = reader_->request(InputText->text()); });
    BuildWidgets();
    Refresh(-1);
}

frmWordLists::~frmWordLists() = default;

void frmWordLists::BuildWidgets()
{
    const auto button = [this](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        return b;
    };
    auto* top = new QVBoxLayout(this);

    auto* file = new QHBoxLayout;
    top->addLayout(file);
    cmdNew = button("cmdNew", tr("New"));
    cmdOpen = button("cmdOpen", tr("Open..."));
    cmdSave = button("cmdSave", tr("Save"));
    cmdSaveAs = button("cmdSaveAs", tr("Save as..."));
    cmdWorksheet = button("cmdWorksheet", tr("Worksheet..."));
    for (QPushButton* b : {cmdNew, cmdOpen, cmdSave, cmdSaveAs})
        file->addWidget(b);
    file->addStretch();
    file->addWidget(cmdWorksheet);
    connect(cmdNew, &QPushButton::clicked, this, &frmWordLists::cmdNew_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmWordLists::cmdOpen_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmWordLists::cmdSave_Click);
    connect(cmdSaveAs, &QPushButton::clicked, this, &frmWordLists::cmdSaveAs_Click);
    connect(cmdWorksheet, &QPushButton::clicked, this, &frmWordLists::cmdWorksheet_Click);

    PathLbl = new QLabel(this);
    PathLbl->setObjectName(QStringLiteral("PathLbl"));
    PathLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(PathLbl);

    auto* entry = new QGridLayout;
    top->addLayout(entry);
    InputText = new QLineEdit(this);
    InputText->setObjectName(QStringLiteral("InputText"));
    InputText->setFont(NamedFont(QStringLiteral("ＭＳ Ｐ明朝"), 12));
    cmbReading = new QComboBox(this);
    cmbReading->setObjectName(QStringLiteral("cmbReading"));
    cmbReading->setEditable(true);
    cmbReading->setInsertPolicy(QComboBox::NoInsert);
    cmbReading->setFont(NamedFont(QStringLiteral("ＭＳ Ｐ明朝"), 12));
    cmbReading->setMinimumWidth(Twips(2400));
    cmdAdd = button("cmdAdd", tr("Add"));
    ReadingLbl = new QLabel(this);
    ReadingLbl->setObjectName(QStringLiteral("ReadingLbl"));
    entry->addWidget(new QLabel(tr("Word"), this), 0, 0);
    entry->addWidget(InputText, 1, 0);
    entry->addWidget(new QLabel(tr("Reading (can be corrected)"), this), 0, 1);
    entry->addWidget(cmbReading, 1, 1);
    entry->addWidget(cmdAdd, 1, 2);
    entry->addWidget(ReadingLbl, 2, 0, 1, 3);
    entry->setColumnStretch(0, 1);
    connect(InputText, &QLineEdit::textEdited, this, &frmWordLists::TextEdited);
    connect(InputText, &QLineEdit::returnPressed, this, &frmWordLists::cmdAdd_Click);
    connect(cmbReading->lineEdit(), &QLineEdit::returnPressed, this, &frmWordLists::cmdAdd_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmWordLists::cmdAdd_Click);

    auto* body = new QHBoxLayout;
    top->addLayout(body, 1);
    WordTable = new QTableWidget(0, kColumns, this);
    WordTable->setObjectName(QStringLiteral("WordTable"));
    WordTable->setHorizontalHeaderLabels({tr("Word"), tr("Reading"), tr("Looks the same as")});
    WordTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    WordTable->setSelectionMode(QAbstractItemView::SingleSelection);
    WordTable->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    WordTable->horizontalHeader()->setStretchLastSection(true);
    WordTable->setColumnWidth(kTextColumn, Twips(2400));
    WordTable->setColumnWidth(kReadingColumn, Twips(2000));
    WordTable->setFont(NamedFont(QStringLiteral("ＭＳ Ｐ明朝"), 11));
    body->addWidget(WordTable, 1);
    connect(WordTable, &QTableWidget::itemChanged, this, &frmWordLists::ReadingCorrected);
    connect(WordTable, &QTableWidget::itemSelectionChanged, this, &frmWordLists::UpdateButtons);

    auto* side = new QVBoxLayout;
    body->addLayout(side);
    cmdUp = button("cmdUp", tr("Up"));
    cmdDown = button("cmdDown", tr("Down"));
    cmdRemove = button("cmdRemove", tr("Remove"));
    for (QPushButton* b : {cmdUp, cmdDown, cmdRemove})
        side->addWidget(b);
    side->addStretch();
    connect(cmdUp, &QPushButton::clicked, this, [this] { cmdMove_Click(-1); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { cmdMove_Click(1); });
    connect(cmdRemove, &QPushButton::clicked, this, &frmWordLists::cmdRemove_Click);

    LookalikeLbl = new QLabel(this);
    LookalikeLbl->setObjectName(QStringLiteral("LookalikeLbl"));
    LookalikeLbl->setWordWrap(true);
    top->addWidget(LookalikeLbl);
    StatusLbl = new QLabel(this);
    StatusLbl->setObjectName(QStringLiteral("StatusLbl"));
    StatusLbl->setWordWrap(true);
    StatusLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(StatusLbl);

    resize(Twips(9000), Twips(7000));
}

void frmWordLists::TextEdited()
{
    cmbReading->clear();
    pendingRead_ = 0;
    addWhenRead_ = false;
    if (InputText->text().trimmed().isEmpty()) {
        readSoon_->stop();
        ReadingLbl->clear();
    } else {
        readSoon_->start();
        // The first reading loads the dictionary, which takes a moment.
        ReadingLbl->setText(tr("Reading the word..."));
    }
    UpdateButtons();
}

void frmWordLists::ReadingsRead(int serial, const QStringList& readings, const QString& whyNot)
{
    if (serial != pendingRead_)
        return;  // the text changed meanwhile
    pendingRead_ = 0;
    // A reading the teacher typed meanwhile stays; the offers go under it.
    const QString typed = cmbReading->currentText();
    cmbReading->clear();
    cmbReading->addItems(readings);
    if (!typed.isEmpty())
        cmbReading->setEditText(typed);
    ReadingLbl->setText(whyNot.isEmpty() ? QString() : tr("%1. Type the reading in kana.").arg(whyNot));
    UpdateButtons();
    if (addWhenRead_) {
        addWhenRead_ = false;
        cmdAdd_Click();
    }
}

void frmWordLists::cmdAdd_Click()
{
    if (readSoon_->isActive() || pendingRead_ != 0) {
        if (cmbReading->currentText().isEmpty()) {
            addWhenRead_ = true;  // Return while the reading is on its way
            return;
        }
        readSoon_->stop();
        pendingRead_ = 0;
    }
    const QString refusal = editor_.add(InputText->text(), cmbReading->currentText());
    if (!refusal.isEmpty()) {
        ShowMessage(this, refusal);
        return;
    }
    InputText->clear();
    cmbReading->clear();
    ReadingLbl->clear();
    Refresh(editor_.size() - 1);
    InputText->setFocus();
}

void frmWordLists::ReadingCorrected(QTableWidgetItem* item)
{
    if (filling_ || item->column() != kReadingColumn)
        return;
    const int row = item->row();
    const QString refusal = editor_.setReading(row, item->text());
    if (!refusal.isEmpty())
        ShowMessage(this, refusal);
    // The reading as stored (half-width), or the old one after a refusal.
    Refresh(row);
}

void frmWordLists::cmdRemove_Click()
{
    const int row = WordTable->currentRow();
    if (editor_.remove(row))
        Refresh(std::min(row, editor_.size() - 1));
}

void frmWordLists::cmdMove_Click(int by)
{
    const int row = WordTable->currentRow();
    if (editor_.move(row, row + by))
        Refresh(row + by);
}

void frmWordLists::Refresh(int current)
{
    filling_ = true;
    const WordList& words = editor_.words();
    WordTable->setRowCount(words.size());
    QString why;
    const std::optional<std::vector<ListWordLook>> looks = editor_.looks(host_.SpeedText(), &why);
    int groups = 0;
    for (int row = 0; row < words.size(); ++row) {
        auto* text = new QTableWidgetItem(words.displays[row]);
        text->setFlags(text->flags() & ~Qt::ItemIsEditable);
        auto* reading = new QTableWidgetItem(words.readings[row]);
        auto* look = new QTableWidgetItem;
        look->setFlags(look->flags() & ~Qt::ItemIsEditable);
        if (looks) {
            const ListWordLook& l = (*looks)[static_cast<size_t>(row)];
            groups = std::max(groups, l.group);
            if (!l.unplayable.isEmpty()) {
                look->setText(tr("Cannot be played: %1").arg(l.unplayable));
                look->setForeground(kUnplayable);
            } else if (l.group > 0) {
                QStringList alike;
                for (int i : l.alike)
                    alike << words.displays[i];
                look->setText(alike.join(QStringLiteral("、")));
                const QColor colour = kGroupColours[(l.group - 1) % std::size(kGroupColours)];
                for (QTableWidgetItem* item : {text, reading, look})
                    item->setBackground(colour);
            }
        }
        WordTable->setItem(row, kTextColumn, text);
        WordTable->setItem(row, kReadingColumn, reading);
        WordTable->setItem(row, kLookColumn, look);
    }
    if (current >= 0 && current < words.size())
        WordTable->selectRow(current);
    filling_ = false;

    if (!looks)
        LookalikeLbl->setText(tr("Which words look alike cannot be shown: %1").arg(why));
    else if (groups == 0)
        LookalikeLbl->setText(words.size() < 2 ? QString() : tr("No two words of the list look the same on the lips."));
    else
        LookalikeLbl->setText(tr("Words of one colour look the same on the lips: %n group(s).", nullptr, groups));
    const QString name = editor_.path().isEmpty() ? tr("New list") : QDir::toNativeSeparators(editor_.path());
    PathLbl->setText(editor_.modified() ? tr("%1 (not saved)").arg(name) : name);
    UpdateButtons();
}

void frmWordLists::UpdateButtons()
{
    const int row = WordTable->currentRow();
    const bool chosen = row >= 0 && row < editor_.size();
    cmdRemove->setEnabled(chosen);
    cmdUp->setEnabled(chosen && row > 0);
    cmdDown->setEnabled(chosen && row + 1 < editor_.size());
    cmdWorksheet->setEnabled(editor_.size() > 0);
}

void frmWordLists::Tell(const QString& text)
{
    StatusLbl->setText(text);
}

bool frmWordLists::MayClose()
{
    if (!editor_.modified())
        return true;
    show();
    raise();
    const auto answer = QMessageBox::question(
        this, kProgramTitle, tr("The word list has changes that are not saved. Save them?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return cmdSave_Click();
    return answer == QMessageBox::Discard;
}

void frmWordLists::cmdNew_Click()
{
    if (!MayClose())
        return;
    editor_.clear();
    Tell(QString());
    Refresh(-1);
}

void frmWordLists::cmdOpen_Click()
{
    if (!MayClose())
        return;
    Obtain_FilePath2& chooser = Obtain_FilePath2::Instance();
    chooser.Prepare(true, tr("Word List"), QStringLiteral(".txt"));
    if (const std::optional<QString> folder = ListSaveFolder(UserDataFolder()); folder && editor_.path().isEmpty())
        chooser.SetFolder(*folder);
    chooser.exec();
    if (!chooser.Rtn)
        return;
    WordList list;
    QString why;
    if (!LoadWordList({chooser.TargetFile}, list, nullptr, &why)) {
        ShowMessage(this, why.isEmpty() ? tr("%1 cannot be read").arg(chooser.TargetFile) : why);
        return;
    }
    editor_.open(list, chooser.TargetFile);
    QStringList notes;
    if (list.skippedLines > 0)
        notes << tr("%n line(s) without a reading or a text were left out; saving drops them.", nullptr,
                    list.skippedLines);
    if (list.cut)
        notes << tr("Only the first %1 words were read.").arg(kMaxWords);
    Tell(notes.join(u'\n'));
    Refresh(-1);
}

bool frmWordLists::SaveTo(const QString& path)
{
    QString why;
    QString notice;
    if (!editor_.save(path, &why, &notice)) {
        ShowMessage(this, why);
        return false;
    }
    Tell(notice.isEmpty() ? tr("Saved %1").arg(QDir::toNativeSeparators(path)) : notice);
    Refresh(WordTable->currentRow());
    return true;
}

bool frmWordLists::cmdSave_Click()
{
    if (editor_.path().isEmpty())
        return cmdSaveAs_Click();
    return SaveTo(editor_.path());
}

bool frmWordLists::cmdSaveAs_Click()
{
    if (const QString unwritable = WordListUnwritable(editor_.words()); !unwritable.isEmpty()) {
        ShowMessage(this, unwritable);
        return false;
    }
    Obtain_FilePath2& chooser = Obtain_FilePath2::Instance();
    chooser.Prepare(false, tr("Word List"), QStringLiteral(".txt"));
    // The list choosers of the quiz and the practice find it there.
    if (const std::optional<QString> folder = ListSaveFolder(UserDataFolder()))
        chooser.SetFolder(*folder);
    chooser.exec();
    if (!chooser.Rtn || chooser.FajliloSufikso != QStringLiteral(".txt"))
        return false;
    return SaveTo(chooser.TargetFile);
}

void frmWordLists::cmdWorksheet_Click()
{
    const QString title =
        editor_.path().isEmpty() ? tr("Word list") : WordListTitle(editor_.path(), ProgramFolder());
    OpenWorksheet(host_, this, editor_.words(), title);
}

void frmWordLists::closeEvent(QCloseEvent* event)
{
    if (!MayClose()) {
        event->ignore();
        return;
    }
    // Changes the teacher chose to lose are not asked about again at exit.
    if (editor_.modified()) {
        editor_.clear();
        Refresh(-1);
    }
    event->accept();
}

}  // namespace oralis

#include "ui/dialogs/Obtain_FilePath2.h"

#include "model/FileChoice.h"
#include "ui/Common.h"
#include "ui/dialogs/FormBackground.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <algorithm>

namespace oralis {

namespace {

const QColor kLightYellow(255, 255, 192);
const QColor kLightGrey(224, 224, 224);
const QColor kLightGreen(128, 255, 128);
constexpr int kPathRole = Qt::UserRole;

// The folder must be listable for the lists to show anything sensible.
bool Readable(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isDir() && info.isReadable() && info.isExecutable();
}

// The folder list shows depth by indentation.
QString Indent(int depth)
{
    return QString(depth * 2, QLatin1Char(' '));
}

}  // namespace

Obtain_FilePath2& Obtain_FilePath2::Instance()
{
    // Kept for the whole run and never deleted: a widget must not outlive the
    // application object, which a function-local static would.
    static Obtain_FilePath2* instance = new Obtain_FilePath2();
    return *instance;
}

std::optional<QString> Obtain_FilePath2::AskSavePath(const QString& TipoStr, const QString& SufiksoStr)
{
    Obtain_FilePath2& chooser = Instance();
    chooser.Prepare(false, TipoStr, SufiksoStr);
    chooser.exec();
    if (!chooser.Rtn || chooser.FajliloSufikso != SufiksoStr)
        return std::nullopt;
    return chooser.TargetFile;
}

Obtain_FilePath2::Obtain_FilePath2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Obtain_FilePath2"));
    SetTitle();
    setFixedSize(Twips(8010), Twips(3990));
    // The painted background would otherwise leak into the scroll bars and
    // frames of the lists, which take the window's colour from their parent.
    const QColor plain = palette().color(QPalette::Window);

    Shape1 = FormBorder(this, 7995, 3975);

    Label = new QLabel(tr("File_Load"), this);
    Label->setObjectName(QStringLiteral("Label"));
    Label->setAlignment(Qt::AlignCenter);
    Label->setFont(NamedFont(QStringLiteral("Times New Roman"), 15.75, true));
    SetPaletteColour(Label, QPalette::WindowText, kLightGreen);
    PlaceTwips(Label, 300, 120, 6975, 375);

    Label_FileName = new QLabel(tr("FileName :"), this);
    Label_FileName->setObjectName(QStringLiteral("Label_FileName"));
    Label_FileName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetPaletteColour(Label_FileName, QPalette::WindowText, Qt::white);
    PlaceTwips(Label_FileName, 1365, 690, 1335, 255);

    FileName = new QLineEdit(tr("Percobaan", "the name a file is saved under unless the user types another"), this);
    FileName->setObjectName(QStringLiteral("FileName"));
    PlaceTwips(FileName, 2820, 660, 3330, 270);

    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    PlaceTwips(Drive1, 225, 1080, 2415, 300);

    Dir1 = new QListWidget(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setSelectionMode(QAbstractItemView::SingleSelection);
    PlaceTwips(Dir1, 210, 1545, 2415, 1770);

    File1 = new QListWidget(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    PlaceTwips(File1, 2820, 1080, 3360, 2250);

    Label1 = new QLabel(tr("Files of type :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetPaletteColour(Label1, QPalette::WindowText, Qt::white);
    PlaceTwips(Label1, 945, 3465, 1575, 255);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    PlaceTwips(Combo1, 2820, 3480, 3375, 300);

    cmload = new QPushButton(tr("Load"), this);
    cmload->setObjectName(QStringLiteral("cmload"));
    cmload->setDefault(true);
    PlaceTwips(cmload, 6420, 2940, 1335, 375);

    cmcancel = new QPushButton(tr("Cancel"), this);
    cmcancel->setObjectName(QStringLiteral("cmcancel"));
    PlaceTwips(cmcancel, 6420, 3420, 1335, 375);

    for (QWidget* w : {static_cast<QWidget*>(FileName), static_cast<QWidget*>(Drive1),
                       static_cast<QWidget*>(Dir1), static_cast<QWidget*>(File1),
                       static_cast<QWidget*>(Combo1), static_cast<QWidget*>(cmload),
                       static_cast<QWidget*>(cmcancel)})
        SetPaletteColour(w, QPalette::Window, plain);
    for (QWidget* w : {static_cast<QWidget*>(FileName), static_cast<QWidget*>(Drive1),
                       static_cast<QWidget*>(Dir1), static_cast<QWidget*>(File1)})
        SetPaletteColour(w, QPalette::Base, kLightYellow);
    SetPaletteColour(Drive1, QPalette::Button, kLightYellow);
    SetPaletteColour(cmload, QPalette::Button, kLightGrey);
    SetPaletteColour(cmcancel, QPalette::Button, kLightGrey);

    setTabOrder(FileName, File1);
    setTabOrder(File1, Drive1);
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Combo1);
    setTabOrder(Combo1, cmload);
    setTabOrder(cmload, cmcancel);

    connect(Combo1, &QComboBox::activated, this, &Obtain_FilePath2::TypeSelected);
    connect(Drive1, &QComboBox::activated, this, &Obtain_FilePath2::DriveChosen);
    connect(Dir1, &QListWidget::itemDoubleClicked, this, &Obtain_FilePath2::FolderActivated);
    Dir1->installEventFilter(this);
    connect(File1, &QListWidget::itemDoubleClicked, this, &Obtain_FilePath2::FileDoubleClicked);
    connect(cmload, &QPushButton::clicked, this, &Obtain_FilePath2::Confirm);
    connect(cmcancel, &QPushButton::clicked, this, &QDialog::reject);

    folder_ = QDir::cleanPath(QDir::currentPath());
    FillDrives();
    FillFolders();
    FillFiles();

    PaintFormBackground(this, 1, QStringLiteral("R"));
}

void Obtain_FilePath2::SetTitle()
{
    // One title in the source texts; a translation says which of the two
    // questions the dialog asks.
    setWindowTitle(LoadMode ? tr("Form2", "the title while choosing a file to open")
                            : tr("Form2", "the title while choosing a name to save under"));
}

void Obtain_FilePath2::OptionInitialize()
{
    Nombro = 0;
}

void Obtain_FilePath2::Prepare(bool load, const QString& TipoStr, const QString& SufiksoStr)
{
    OptionInitialize();
    LoadMode = load;
    SetHeading(load ? tr("File Load") : tr("File Save"));
    AddFajliloOptions(TipoStr, SufiksoStr);
}

bool Obtain_FilePath2::AddFajliloOptions(const QString& TipoStr, const QString& SufiksoStr)
{
    if (Nombro < 0 || Nombro >= kTypeSlots)
        return false;
    FajliloTipoj[static_cast<size_t>(Nombro)] = TipoStr;
    FajliloSufiksoj[static_cast<size_t>(Nombro)] = SufiksoStr;
    ++Nombro;
    return true;
}

void Obtain_FilePath2::SetHeading(const QString& text)
{
    Label->setText(text);
}

QString Obtain_FilePath2::sufix_removal(const QString& st1)
{
    return SuffixRemoval(st1);
}

QString Obtain_FilePath2::sufix_check(const QString& st1) const
{
    return SuffixCheck(st1, FajliloSufikso);
}

QStringList Obtain_FilePath2::DriveRoots()
{
    std::vector<Volume> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady())
            volumes.push_back({volume.rootPath(), volume.fileSystemType(), QFileInfo(volume.rootPath()).isDir()});
    }
    return DriveList(QDir::homePath(), volumes);
}

void Obtain_FilePath2::FillDrives()
{
    const QSignalBlocker block(Drive1);
    Drive1->clear();
    const QString home = QDir::cleanPath(QDir::homePath());
    const QStyle* st = style();
    for (const QString& root : DriveRoots()) {
        QString text = root;
        QIcon icon = st->standardIcon(QStyle::SP_DriveHDIcon);
        if (root == home && root != QLatin1String("/")) {
            text = tr("%1  (home)").arg(root);
            icon = st->standardIcon(QStyle::SP_DirHomeIcon);
        } else if (root != QLatin1String("/")) {
            const QString name = QStorageInfo(root).displayName();
            if (!name.isEmpty() && name != root)
                text = root + QStringLiteral("  (") + name + QLatin1Char(')');
        }
        Drive1->addItem(icon, text, root);
    }
    SyncDriveToFolder();
}

// Shows the starting point the current folder lies under, the deepest one.
void Obtain_FilePath2::SyncDriveToFolder()
{
    QStringList roots;
    for (int i = 0; i < Drive1->count(); ++i)
        roots << Drive1->itemData(i, kPathRole).toString();
    const int best = DriveOfFolder(roots, folder_);
    const QSignalBlocker block(Drive1);
    Drive1->setCurrentIndex(best);
}

void Obtain_FilePath2::FillFolders()
{
    Dir1->clear();
    const QStyle* st = style();
    const QStringList chain = FolderChain(folder_);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString& path = chain[depth];
        const QString name = depth == 0 ? path : QFileInfo(path).fileName();
        auto* item = new QListWidgetItem(st->standardIcon(QStyle::SP_DirOpenIcon),
                                         Indent(depth) + name, Dir1);
        item->setData(kPathRole, path);
    }
    Dir1->setCurrentRow(static_cast<int>(chain.size()) - 1);

    const QDir dir(folder_);
    const QStringList subfolders = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                 QDir::Name | QDir::IgnoreCase);
    const int depth = static_cast<int>(chain.size());
    for (const QString& name : subfolders) {
        auto* item = new QListWidgetItem(st->standardIcon(QStyle::SP_DirIcon),
                                         Indent(depth) + name, Dir1);
        item->setData(kPathRole, dir.filePath(name));
    }
}

void Obtain_FilePath2::FillFiles()
{
    File1->clear();
    // "*.*" means every file here, as the type list promises, not only names
    // with a dot.
    const QString pattern = fileFilter_ == QLatin1String("*.*") ? QStringLiteral("*") : fileFilter_;
    const QStringList files = QDir(folder_).entryList(QStringList{pattern}, QDir::Files,
                                                      QDir::Name | QDir::IgnoreCase);
    File1->addItems(files);
    // With nothing selected, Return would load the bare suffix (".csv").
    if (LoadMode)
        File1->setCurrentRow(PreselectedFileRow(files));
}

bool Obtain_FilePath2::SetFolder(const QString& path)
{
    const QString clean = QDir::cleanPath(QDir(folder_).absoluteFilePath(path));
    if (!Readable(clean))
        return false;
    folder_ = clean;
    FillFolders();
    FillFiles();
    SyncDriveToFolder();
    return true;
}

bool Obtain_FilePath2::EnterFolder(const QString& path)
{
    if (SetFolder(path))
        return true;
    ShowMessage(this, tr("Cannot read %1").arg(path));
    // The folder may have vanished since the list was read.
    FillFolders();
    return false;
}

void Obtain_FilePath2::DriveChosen(int index)
{
    const QString root = Drive1->itemData(index, kPathRole).toString();
    if (root.isEmpty() || !EnterFolder(root))
        SyncDriveToFolder();
}

void Obtain_FilePath2::FolderActivated(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString path = item->data(kPathRole).toString();
    if (path != folder_)
        EnterFolder(path);
}

bool Obtain_FilePath2::eventFilter(QObject* watched, QEvent* event)
{
    // Return in the folder list opens the folder rather than confirming the
    // dialog through its default button.
    if (watched == Dir1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            FolderActivated(Dir1->currentItem());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Obtain_FilePath2::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        Activate();
    QDialog::showEvent(event);
}

void Obtain_FilePath2::Activate()
{
    Label_FileName->setVisible(!LoadMode);
    FileName->setVisible(!LoadMode);
    cmload->setText(LoadMode ? tr("Load") : tr("Save"));
    SetTitle();

    // The folder may have gone since the last use: fall back to the nearest
    // one that still exists.
    QString folder = folder_;
    while (!Readable(folder) && folder != QLatin1String("/"))
        folder = QFileInfo(folder).path();
    folder_ = folder;
    FillDrives();
    FillFolders();
    FillFiles();

    Combo1->clear();
    const int types = std::clamp<int>(Nombro, 0, kTypeSlots);
    for (int i = 0; i < types; ++i) {
        Combo1->addItem(TypeEntry(FajliloTipoj[static_cast<size_t>(i)], FajliloSufiksoj[static_cast<size_t>(i)]));
    }
    Combo1->addItem(AllFilesEntry());
    Combo1->setCurrentIndex(0);
    TypeSelected(0);

    Rtn = false;

    if (LoadMode) {
        File1->setFocus();
    } else {
        FileName->setFocus();
        FileName->selectAll();
    }
}

void Obtain_FilePath2::TypeSelected(int index)
{
    // "All Files" keeps the suffix of the type chosen before.
    const int types = std::clamp<int>(Nombro, 0, kTypeSlots);
    const bool registered = index >= 0 && index < types;
    if (registered)
        FajliloSufikso = FajliloSufiksoj[static_cast<size_t>(index)];
    fileFilter_ = TypeFilter(registered ? FajliloSufikso : QString());
    FillFiles();
}

QString Obtain_FilePath2::SelectedFileName() const
{
    const QList<QListWidgetItem*> selected = File1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void Obtain_FilePath2::SetResults(const ChosenFile& chosen)
{
    TargetFile = chosen.TargetFile;
    TargetFileName = chosen.TargetFileName;
    TargetFilePath = chosen.TargetFilePath;
    FajliloSenSufikso = chosen.FajliloSenSufikso;
    Rtn = true;
    accept();
}

void Obtain_FilePath2::Confirm()
{
    if (LoadMode) {
        SetResults(LoadChoice(SelectedFileName(), folder_, FajliloSufikso));
        return;
    }
    QString why;
    const std::optional<ChosenFile> chosen =
        SaveChoice(FileName->text(), SelectedFileName(), folder_, FajliloSufikso, &why);
    if (!chosen) {
        ShowMessage(this, why);
        FileName->setFocus();
        return;
    }
    const QString question = ReplaceQuestion(*chosen);
    if (!question.isEmpty() && !oralis::Confirm(this, question)) {
        // Nothing is handed back: the user picks another name or cancels.
        FileName->setFocus();
        return;
    }
    SetResults(*chosen);
}

void Obtain_FilePath2::FileDoubleClicked(QListWidgetItem* item)
{
    if (item)
        SetResults(ListedChoice(item->text(), folder_));
}

}  // namespace oralis

// The file chooser driven as a user would: shown modally, widgets found by
// name and clicked while exec() runs, results read after it has hidden itself.
#include "ui/dialogs/FormBackground.h"
#include "ui/dialogs/Obtain_FilePath2.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace oralis;

namespace {

Obtain_FilePath2& Chooser()
{
    return Obtain_FilePath2::Instance();
}

template <typename T>
T* Find(const char* name)
{
    T* w = Chooser().findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}

QStringList Texts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QStringList Texts(const QComboBox* combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

// Sets the chooser up the way the program's callers do.
void Prepare(bool loadMode, const QString& heading = QStringLiteral("File Load"))
{
    Obtain_FilePath2& c = Chooser();
    c.OptionInitialize();
    c.LoadMode = loadMode;
    c.SetHeading(heading);
    QVERIFY(c.AddFajliloOptions(QStringLiteral("Angle Data"), QStringLiteral(".csv")));
}

// Shows the chooser modally and runs `user` once it is on screen; the user
// must end the dialog. Returns false when the dialog was not visible then.
bool Run(const std::function<void()>& user)
{
    bool shown = false;
    QTimer::singleShot(0, &Chooser(), [&] {
        shown = Chooser().isVisible();
        user();
        // A user step that forgot to end the dialog must not hang the test.
        if (Chooser().isVisible())
            Chooser().reject();
    });
    Chooser().exec();
    return shown && !Chooser().isVisible();
}

QListWidgetItem* ItemNamed(QListWidget* list, const QString& text)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text().trimmed() == text)
            return list->item(i);
    }
    return nullptr;
}

void DoubleClick(QListWidget* list, const QString& text)
{
    QListWidgetItem* item = ItemNamed(list, text);
    QVERIFY2(item, qPrintable(text));
    list->scrollToItem(item);
    // The sequence a real double-click delivers: press, release, double-click, release.
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

void Select(QListWidget* list, const QString& text)
{
    QListWidgetItem* item = ItemNamed(list, text);
    QVERIFY2(item, qPrintable(text));
    list->scrollToItem(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void ChooseType(int index)
{
    QComboBox* combo = Find<QComboBox>("Combo1");
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Click(const char* button)
{
    QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
}

// Answers the next message box with `button` and hands back its text.
void AnswerMessage(QString* text, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    QTimer::singleShot(20, [text, button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            AnswerMessage(text, button);
            return;
        }
        *text = box->text();
        box->button(button)->click();
    });
}

}  // namespace

class ChooserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void opensInProcessFolderWithBackground();
    void modes_data();
    void modes();
    void typeFilterAndAllFiles();
    void confirmLoad_data();
    void confirmLoad();
    void confirmSave_data();
    void confirmSave();
    void emptyNameRefused();
    void replaceAsked();
    void doubleClickReturnsListedName();
    void cancelAndFrameCloseKeepRtnFalse();
    void folderAndNamePersist();
    void folderThatVanishedKeepsLists();
    void drives();
    void tenthTypeRefused();

private:
    QTemporaryDir tmp_;
    QString folder_;
};

void ChooserTest::initTestCase()
{
    QVERIFY(tmp_.isValid());
    folder_ = QDir(tmp_.path()).canonicalPath();
    const QDir dir(folder_);
    for (const char* name : {"alpha.csv", "Beta.CSV", "a.b.csv", "notes.txt", "README", "sub/inner.csv"}) {
        dir.mkpath(QFileInfo(dir.filePath(QLatin1String(name))).path());
        QFile f(dir.filePath(QLatin1String(name)));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // The chooser opens in the process's current folder on its first use.
    QVERIFY(QDir::setCurrent(folder_));
}

void ChooserTest::opensInProcessFolderWithBackground()
{
    QCOMPARE(Chooser().CurrentFolder(), folder_);
    QCOMPARE(&Obtain_FilePath2::Instance(), &Chooser());
    QCOMPARE(Chooser().windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(FormBackgroundRenderCount(&Chooser()), 1);
    QCOMPARE(CurrentColourStep(), 1u);
    for (const char* name : {"Label", "Label_FileName", "FileName", "Drive1", "Dir1", "File1",
                             "Label1", "Combo1", "cmload", "cmcancel", "Shape1"})
        QVERIFY2(Chooser().findChild<QWidget*>(QLatin1String(name)), name);
}

void ChooserTest::modes_data()
{
    QTest::addColumn<bool>("loadMode");
    QTest::addColumn<QString>("caption");
    QTest::newRow("load") << true << "Load";
    QTest::newRow("save") << false << "Save";
    QTest::newRow("load again") << true << "Load";
}

void ChooserTest::modes()
{
    QFETCH(bool, loadMode);
    QFETCH(QString, caption);
    Prepare(loadMode, loadMode ? "File Load" : "File Save");
    bool nameBox = false, nameLabel = false;
    QString button, heading;
    QStringList types;
    QVERIFY(Run([&] {
        nameBox = Find<QLineEdit>("FileName")->isVisible();
        nameLabel = Find<QLabel>("Label_FileName")->isVisible();
        button = Find<QPushButton>("cmload")->text();
        heading = Find<QLabel>("Label")->text();
        types = Texts(Find<QComboBox>("Combo1"));
        Click("cmcancel");
    }));
    QCOMPARE(nameBox, !loadMode);
    QCOMPARE(nameLabel, !loadMode);
    QCOMPARE(button, caption);
    QCOMPARE(heading, loadMode ? QStringLiteral("File Load") : QStringLiteral("File Save"));
    QCOMPARE(types, QStringList({"Angle Data (*.csv)", "All Files (*.*)"}));
    QCOMPARE(Chooser().FajliloSufikso, QStringLiteral(".csv"));
}

void ChooserTest::typeFilterAndAllFiles()
{
    Prepare(true);
    QStringList typed, all;
    QString suffixAfterAll;
    QVERIFY(Run([&] {
        typed = Texts(Find<QListWidget>("File1"));
        ChooseType(1);
        all = Texts(Find<QListWidget>("File1"));
        suffixAfterAll = Chooser().FajliloSufikso;
        Click("cmcancel");
    }));
    // Matched and sorted without regard to case; folders are not files.
    QCOMPARE(typed, QStringList({"a.b.csv", "alpha.csv", "Beta.CSV"}));
    QCOMPARE(all, QStringList({"a.b.csv", "alpha.csv", "Beta.CSV", "notes.txt", "README"}));
    QCOMPARE(suffixAfterAll, QStringLiteral(".csv"));
}

void ChooserTest::confirmLoad_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("withoutSuffix");
    QTest::newRow("no dot gains the suffix") << "README" << 1 << "README.csv" << "README";
    QTest::newRow("nothing chosen: the first file") << "" << 0 << "a.b.csv" << "a";
}

void ChooserTest::confirmLoad()
{
    QFETCH(QString, selected);
    QFETCH(int, type);
    QFETCH(QString, fileName);
    QFETCH(QString, withoutSuffix);
    Prepare(true);
    QVERIFY(Run([&] {
        ChooseType(type);
        if (!selected.isEmpty())
            Select(Find<QListWidget>("File1"), selected);
        QTest::keyClick(Find<QListWidget>("File1"), Qt::Key_Return);
    }));
    QVERIFY(Chooser().Rtn);
    QCOMPARE(Chooser().TargetFileName, fileName);
    QCOMPARE(Chooser().FajliloSenSufikso, withoutSuffix);
    QCOMPARE(Chooser().TargetFilePath, folder_ + "/");
    QCOMPARE(Chooser().TargetFile, folder_ + "/" + fileName);
}

void ChooserTest::confirmSave_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("target");  // %F: the chooser's folder
    QTest::newRow("full path typed") << "%F/sub/out" << "out.csv" << "%F/sub/out.csv";
}

void ChooserTest::confirmSave()
{
    QFETCH(QString, typed);
    QFETCH(QString, fileName);
    QFETCH(QString, target);
    Prepare(false, "File Save");
    QVERIFY(Run([&] {
        QLineEdit* name = Find<QLineEdit>("FileName");
        name->clear();
        QTest::keyClicks(name, QString(typed).replace("%F", folder_));
        // Return in the name box confirms, as the Save button does.
        QTest::keyClick(name, Qt::Key_Return);
    }));
    QVERIFY(Chooser().Rtn);
    QCOMPARE(Chooser().TargetFileName, fileName);
    QCOMPARE(Chooser().TargetFile, QString(target).replace("%F", folder_));
    QCOMPARE(Chooser().FajliloSenSufikso, QString());
}

void ChooserTest::emptyNameRefused()
{
    Prepare(false, "File Save");
    QString notice;
    bool stillOpen = false;
    QVERIFY(Run([&] {
        Find<QLineEdit>("FileName")->clear();
        AnswerMessage(&notice);
        Click("cmload");
        stillOpen = Chooser().isVisible();
        Find<QLineEdit>("FileName")->setText("Percobaan");
        Click("cmcancel");
    }));
    QCOMPARE(notice, QStringLiteral("Type a file name"));
    QVERIFY(stillOpen);
    QVERIFY(!Chooser().Rtn);
}

void ChooserTest::replaceAsked()
{
    Prepare(false, "File Save");
    QString asked;
    bool keptOpen = false, returned = true;
    QVERIFY(Run([&] {
        Find<QLineEdit>("FileName")->setText("alpha");
        AnswerMessage(&asked, QMessageBox::Cancel);
        Click("cmload");
        keptOpen = Chooser().isVisible();
        returned = Chooser().Rtn;
        AnswerMessage(&asked, QMessageBox::Ok);
        Click("cmload");
    }));
    QCOMPARE(asked, QStringLiteral("alpha.csv exists. Replace it?"));
    QVERIFY(keptOpen);
    QVERIFY(!returned);
    QVERIFY(Chooser().Rtn);
    QCOMPARE(Chooser().TargetFile, folder_ + "/alpha.csv");
}

void ChooserTest::doubleClickReturnsListedName()
{
    for (bool loadMode : {true, false}) {
        Prepare(loadMode);
        QVERIFY(Run([&] {
            ChooseType(1);
            DoubleClick(Find<QListWidget>("File1"), "README");
        }));
        QVERIFY(Chooser().Rtn);
        QCOMPARE(Chooser().TargetFileName, QStringLiteral("README"));
        QCOMPARE(Chooser().FajliloSenSufikso, QStringLiteral("README"));
        QCOMPARE(Chooser().TargetFile, folder_ + "/README");
    }
}

void ChooserTest::cancelAndFrameCloseKeepRtnFalse()
{
    const std::vector<std::function<void()>> cancels{
        [] { Click("cmcancel"); },
        [] { Chooser().close(); },
        [] { QTest::keyClick(Find<QListWidget>("File1"), Qt::Key_Escape); },
    };
    for (const auto& cancel : cancels) {
        Prepare(true);
        QVERIFY(Run([] {
            Select(Find<QListWidget>("File1"), "alpha.csv");
            Click("cmload");
        }));
        QVERIFY(Chooser().Rtn);
        QVERIFY(Run([&] {
            Select(Find<QListWidget>("File1"), "Beta.CSV");
            cancel();
        }));
        QVERIFY(!Chooser().Rtn);
        QCOMPARE(Chooser().TargetFileName, QStringLiteral("alpha.csv"));
    }
}

void ChooserTest::folderAndNamePersist()
{
    Prepare(false, "File Save");
    QVERIFY(Run([] {
        DoubleClick(Find<QListWidget>("Dir1"), "sub");
        Find<QLineEdit>("FileName")->setText("mine");
        Click("cmcancel");
    }));
    QCOMPARE(Chooser().CurrentFolder(), folder_ + "/sub");

    QString name;
    QStringList files;
    QVERIFY(Run([&] {
        name = Find<QLineEdit>("FileName")->text();
        files = Texts(Find<QListWidget>("File1"));
        // Return in the folder list opens the selected folder, here the parent,
        // and does not confirm the dialog.
        QListWidget* dirs = Find<QListWidget>("Dir1");
        dirs->setCurrentItem(ItemNamed(dirs, QFileInfo(folder_).fileName()));
        QTest::keyClick(dirs, Qt::Key_Return);
        QVERIFY(Chooser().isVisible());
        Click("cmcancel");
    }));
    QCOMPARE(name, QStringLiteral("mine"));
    QCOMPARE(files, QStringList({"inner.csv"}));
    QCOMPARE(Chooser().CurrentFolder(), folder_);
    // Browsing never moves the process's own current folder.
    QCOMPARE(QDir::currentPath(), folder_);
}

void ChooserTest::folderThatVanishedKeepsLists()
{
    QVERIFY(QDir(folder_).mkdir("gone"));
    Prepare(true);
    QString notice;
    QStringList foldersAfter;
    QVERIFY(Run([&] {
        QVERIFY(QDir(folder_).rmdir("gone"));
        AnswerMessage(&notice);
        DoubleClick(Find<QListWidget>("Dir1"), "gone");
        foldersAfter = Texts(Find<QListWidget>("Dir1"));
        Select(Find<QListWidget>("File1"), "alpha.csv");
        Click("cmload");
    }));
    QCOMPARE(notice, "Cannot read " + folder_ + "/gone");
    QVERIFY(!ItemNamed(Find<QListWidget>("Dir1"), "gone"));
    QVERIFY(foldersAfter.size() > 1);
    QCOMPARE(Chooser().TargetFile, folder_ + "/alpha.csv");
}

void ChooserTest::drives()
{
    Prepare(true);
    QString shownDrive, folderAfter;
    QVERIFY(Run([&] {
        QComboBox* drive = Find<QComboBox>("Drive1");
        shownDrive = drive->currentData().toString();
        drive->setCurrentIndex(0);
        emit drive->activated(0);
        folderAfter = Chooser().CurrentFolder();
        Click("cmcancel");
    }));
    QVERIFY2(folder_ == shownDrive || folder_.startsWith(shownDrive), qPrintable(shownDrive));
    QCOMPARE(folderAfter, QStringLiteral("/"));
    QVERIFY(Chooser().SetFolder(folder_));
    QVERIFY(!Chooser().SetFolder(folder_ + "/no such folder"));
    QCOMPARE(Chooser().CurrentFolder(), folder_);
}

void ChooserTest::tenthTypeRefused()
{
    Obtain_FilePath2& c = Chooser();
    c.OptionInitialize();
    c.LoadMode = true;
    for (int i = 1; i <= 9; ++i)
        QVERIFY(c.AddFajliloOptions(QStringLiteral("T%1").arg(i), QStringLiteral(".t%1").arg(i)));
    QVERIFY(!c.AddFajliloOptions("Tenth", ".ten"));
    QCOMPARE(c.Nombro, int16_t(9));
    QStringList types;
    QVERIFY(Run([&] {
        types = Texts(Find<QComboBox>("Combo1"));
        ChooseType(8);
        Click("cmcancel");
    }));
    QCOMPARE(types.size(), 10);
    QCOMPARE(types.value(8), QStringLiteral("T9 (*.t9)"));
    QCOMPARE(types.value(9), QStringLiteral("All Files (*.*)"));
    QCOMPARE(c.FajliloSufikso, QStringLiteral(".t9"));
}

QTEST_MAIN(ChooserTest)
#include "chooser_test.moc"

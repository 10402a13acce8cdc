#include "ModalDialogs.h"
#include "SignTaggedWindow.h"

#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/lists/frmWordLists.h"
#include "ui/main/frmSpace.h"
#include "ui/practice/frmPractice.h"
#include "ui/worksheet/frmWorksheet.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace oralis;
using oralis::testing::ModalScript;
using oralis::testing::RecordingLip;

class WordListsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QTemporaryDir data_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;
    frmWordLists* lists_ = nullptr;

    template <typename T>
    T* Child(const char* name)
    {
        T* w = lists_->findChild<T*>(QLatin1String(name));
        if (!w)
            qFatal("no widget %s", name);
        return w;
    }

    // Types `text` as a teacher would and waits for the reading offered.
    bool TypeWord(const QString& text, const QString& offered)
    {
        auto* input = Child<QLineEdit>("InputText");
        input->setFocus();
        // Committed as an input method commits a converted word.
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(input, &commit);
        // The first reading loads MeCab's dictionary on the reader's thread.
        return QTest::qWaitFor([&] { return Child<QComboBox>("cmbReading")->currentText() == offered; }, 20000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid() && data_.isValid());
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
        main_->findChild<QAction*>(QStringLiteral("mnuWordLists"))->trigger();
        lists_ = main_->findChild<frmWordLists*>();
        QVERIFY(lists_);
        QVERIFY(QTest::qWaitForWindowExposed(lists_));
    }

    void cleanupTestCase() { main_.reset(); }

    // Three words typed, one reading corrected, the look-alikes marked, the
    // list saved where the practice finds it.
    void aListMadeHereIsOfferedByThePractice()
    {
        QVERIFY(TypeWord(QStringLiteral("窓"), QStringLiteral("ﾏﾄﾞ")));
        Child<QPushButton>("cmdAdd")->click();
        QVERIFY(TypeWord(QStringLiteral("鳩"), QStringLiteral("ﾊﾄ")));
        Child<QComboBox>("cmbReading")->setEditText(QStringLiteral("ばと"));  // as a teacher would correct it
        QTest::keyClick(Child<QComboBox>("cmbReading"), Qt::Key_Return);
        QVERIFY(TypeWord(QStringLiteral("さかな"), QStringLiteral("ｻｶﾅ")));
        QTest::keyClick(Child<QLineEdit>("InputText"), Qt::Key_Return);

        auto* table = Child<QTableWidget>("WordTable");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("ﾊﾞﾄ"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("鳩"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("窓"));
        QCOMPARE(table->item(0, 0)->background(), table->item(1, 0)->background());
        QVERIFY(table->item(2, 2)->text().isEmpty());

        const QString folder = data_.filePath(QStringLiteral("oralis/lists/"));
        QString offeredFolder;
        ModalScript save;
        save.In<Obtain_FilePath2>([&](Obtain_FilePath2* c) {
            offeredFolder = c->CurrentFolder();
            c->findChild<QLineEdit*>(QStringLiteral("FileName"))->setText(QStringLiteral("class 1"));
            c->findChild<QPushButton*>(QStringLiteral("cmload"))->click();
        });
        Child<QPushButton>("cmdSave")->click();
        QVERIFY(save.Done());
        QCOMPARE(QDir(offeredFolder), QDir(folder));
        const QString path = folder + QStringLiteral("class 1.txt");
        QVERIFY(QFile::exists(path));
        QVERIFY(!lists_->Editor().modified());

        main_->findChild<QAction*>(QStringLiteral("mnuAnswerQuiz"))->trigger();
        auto* practice = main_->findChild<frmPractice*>();
        QVERIFY(practice);
        const int at = practice->cmbList->findData(path);
        QVERIFY(at >= 0);
        QCOMPARE(practice->cmbList->itemText(at), QStringLiteral("class 1"));
        practice->close();
    }

    // Each kind of sheet has the pages its layout gives, and a PDF of them.
    void worksheetsOfTheListArePdfPages()
    {
        QCOMPARE(lists_->Editor().size(), 3);
        const struct {
            int kind;
            int pages;
        } sheets[] = {{0, 1}, {1, 2}};
        for (const auto& sheet : sheets) {
            const QString path = dir_.filePath(QStringLiteral("sheet%1.pdf").arg(sheet.kind));
            bool written = false;
            ModalScript script;
            script.In<frmWorksheet>([&](frmWorksheet* w) {
                w->findChild<QComboBox*>(QStringLiteral("cmbKind"))->setCurrentIndex(sheet.kind);
                written = w->WritePdf(path);
                w->reject();
            });
            Child<QPushButton>("cmdWorksheet")->click();
            QVERIFY(script.Done());
            QVERIFY(written);
            QFile pdf(path);
            QVERIFY(pdf.open(QIODevice::ReadOnly));
            const QByteArray bytes = pdf.readAll();
            QVERIFY(bytes.startsWith("%PDF-"));
            QCOMPARE(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type /Page\\b"))), sheet.pages);
        }
    }

    // Closing with a change not saved asks first; Cancel keeps the window.
    void unsavedChangesAreAskedAbout()
    {
        QVERIFY(TypeWord(QStringLiteral("いぬ"), QStringLiteral("ｲﾇ")));
        Child<QPushButton>("cmdAdd")->click();
        ModalScript cancel;
        cancel.Answer(QMessageBox::Cancel);
        lists_->close();
        QVERIFY(cancel.Done());
        QVERIFY(lists_->isVisible());
        QCOMPARE(lists_->Editor().size(), 4);

        ModalScript discard;
        discard.Answer(QMessageBox::Discard);
        lists_->close();
        QVERIFY(discard.Done());
        QVERIFY(!lists_->isVisible());
    }
};

QTEST_MAIN(WordListsTest)
#include "word_lists_test.moc"

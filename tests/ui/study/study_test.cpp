#include "SignTaggedWindow.h"

#include "playback/StudyStrip.h"
#include "ui/dialogs/Obtain_FilePath2.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"
#include "ui/study/frmStudy.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

using namespace oralis;
using oralis::testing::RecordingLip;

class StudyTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;
    frmStudy* study_ = nullptr;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
        main_->InputArea->setText(QStringLiteral("ﾏﾄﾞ"));
        main_->findChild<QAction*>(QStringLiteral("mnuStudy"))->trigger();
        study_ = main_->findChild<frmStudy*>();
        QVERIFY(study_);
        QVERIFY(QTest::qWaitForWindowActive(study_));
        QCOMPARE(study_->findChild<QLineEdit*>(QStringLiteral("FuriganaTxtA"))->text(), QStringLiteral("ﾏﾄﾞ"));
    }

    void cleanupTestCase() { main_.reset(); }

    // The keys and buttons reach the session: ﾏﾄﾞ plays rest (sign 0), ﾏ (11), ﾄﾞ (20).
    void stepKeysAndPlayAllPlayTheWord()
    {
        const struct {
            const char* button;  // or the key
            QList<int> signs;
        } steps[] = {
            {"cmdStepNext", {0}}, {"Right", {11}}, {"cmdStepNext", {20}},
            {"cmdStepBack", {11}}, {"Left", {0}},      {"cmdPlayAll", {11, 20}},
        };
        for (const auto& s : steps) {
            RecordingLip::Clear();
            const QString name = QLatin1String(s.button);
            if (name == QStringLiteral("Right") || name == QStringLiteral("Left"))
                QTest::keyClick(study_, name == QStringLiteral("Right") ? Qt::Key_Right : Qt::Key_Left);
            else
                study_->findChild<QPushButton*>(name)->click();
            QCOMPARE(testing::PlayedSigns(), s.signs);
        }
        QVERIFY(study_->findChild<QLabel*>(QStringLiteral("ShapeLbl"))->text().contains(QStringLiteral("<b>ﾄﾞ</b>")));
    }

    // Each step says how far through the word it is; another word B takes
    // away everything shown of the words before.
    void stepsSayWhereTheyAreAndAnotherWordClearsTheResults()
    {
        auto* b = study_->findChild<KanaLineEdit*>(QStringLiteral("InputAreaB"));
        auto* where = study_->findChild<QLabel*>(QStringLiteral("StepLbl"));
        auto* strip = study_->findChild<QLabel*>(QStringLiteral("picCompare"));
        QVERIFY(where && strip);
        const QStringList results{"ShapeLbl", "StepLbl", "CompareLbl", "LookalikeLbl"};
        const std::function<void()> changes[] = {
            [&] { b->setText(QStringLiteral("ｱ")); },
            // Word A comes anew from the main window when the study window is opened again.
            [&] {
                main_->InputArea->setText(QStringLiteral("ﾏｺﾞ"));
                main_->findChild<QAction*>(QStringLiteral("mnuStudy"))->trigger();
            },
        };
        for (const auto& change : changes) {
            b->setText(QStringLiteral("ﾅﾄﾞ"));
            study_->cmdStepNext_Click();
            study_->cmdStepNext_Click();
            QCOMPARE(where->text(), QStringLiteral("2 / 3"));
            study_->cmdCompare_Click();
            study_->cmdLookalikes_Click();
            for (const QString& name : results)
                QVERIFY2(!study_->findChild<QLabel*>(name)->text().isEmpty(), qPrintable(name));
            QVERIFY(!strip->pixmap().isNull());

            change();
            for (const QString& name : results)
                QVERIFY2(study_->findChild<QLabel*>(name)->text().isEmpty(), qPrintable(name));
            QVERIFY(strip->pixmap().isNull());
        }
    }

    void exportedStripIsAPngOfOnePicturePerSyllable()
    {
        const QString path = dir_.filePath(QStringLiteral("mado.png"));
        testing::ModalWatcher chooser([&](QWidget* modal) {
            auto* dialog = qobject_cast<Obtain_FilePath2*>(modal);
            if (!dialog)
                return false;
            dialog->findChild<QLineEdit*>(QStringLiteral("FileName"))->setText(path);
            dialog->findChild<QPushButton*>(QStringLiteral("cmload"))->click();
            return true;
        });
        study_->findChild<QPushButton*>(QStringLiteral("cmdExportStrip"))->click();
        QVERIFY(chooser.Seen());
        const QImage strip(path);
        QCOMPARE(strip.size(), StripImageSize(2, 1));
    }
};

QTEST_MAIN(StudyTest)
#include "study_test.moc"

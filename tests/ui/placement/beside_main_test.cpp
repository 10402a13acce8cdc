// Under a real window manager (beside_main_test.sh starts openbox on a
// 1280 x 900 screen): the windows opened from the main window's menu lie
// fully on the screen and leave its picture free, and one the user moved
// opens again where it was left.
#include "SignTaggedWindow.h"

#include "model/UserSettings.h"
#include "ui/main/KanaLineEdit.h"
#include "ui/main/frmSpace.h"

#include <QAction>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace oralis;
using oralis::testing::RecordingLip;

class BesideMainTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    LipExports lip_ = RecordingLip::Exports();
    std::unique_ptr<frmSpace> main_;

    // The window the menu item opens, chosen with the mouse as a learner
    // does, once the window manager has framed it.
    QWidget* Open(const char* action, const char* window)
    {
        QMenuBar* bar = main_->menuBar();
        auto* tools = main_->findChild<QMenu*>(QStringLiteral("ToolMenus"));
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(tools->menuAction()).center());
        if (!QTest::qWaitForWindowExposed(tools))
            return nullptr;
        QTest::mouseClick(tools, Qt::LeftButton, {},
                          tools->actionGeometry(main_->findChild<QAction*>(QLatin1String(action))).center());
        auto* opened = main_->findChild<QWidget*>(QLatin1String(window), Qt::FindDirectChildrenOnly);
        if (!opened || !QTest::qWaitForWindowExposed(opened))
            return nullptr;
        // The frame arrives after the window is mapped.
        const bool framed = QTest::qWaitFor([&] { return opened->frameGeometry() != opened->geometry(); }, 2000);
        QTest::qWait(200);
        return framed ? opened : nullptr;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
        qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("data")).toUtf8());
        QCOMPARE(QGuiApplication::primaryScreen()->size(), QSize(1280, 900));
        main_ = testing::ShowSignTaggedWindow(dir_, &lip_);
        QVERIFY(main_);
        // It opens at the screen's top left, leaving the room to its right.
        QTRY_COMPARE_WITH_TIMEOUT(main_->frameGeometry().topLeft(), QPoint(0, 0), 5000);
        QVERIFY(main_->frameGeometry() != main_->geometry());
        QTest::mouseClick(main_->InputArea, Qt::LeftButton);
        QTest::keyClicks(main_->InputArea, QStringLiteral("mado"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ﾏﾄﾞ"));
    }

    void cleanupTestCase() { main_.reset(); }

    void opensFullyOnTheScreenLeavingThePictureFree_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("window");
        QTest::newRow("practice") << "mnuAnswerQuiz" << "frmPractice";
        QTest::newRow("study") << "mnuStudy" << "frmStudy";
        QTest::newRow("progress") << "mnuProgress" << "frmProgress";
        QTest::newRow("editor") << "mnuEdit" << "EditFrm";
    }

    void opensFullyOnTheScreenLeavingThePictureFree()
    {
        QFETCH(QString, action);
        QFETCH(QString, window);
        QWidget* opened = Open(qPrintable(action), qPrintable(window));
        QVERIFY(opened);
        const QRect screen = opened->screen()->availableGeometry();
        const QRect frame = opened->frameGeometry();
        const QRect picture = main_->PictureOnScreen();
        QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1 %2x%3+%4+%5 on %6x%7")
                                                        .arg(window)
                                                        .arg(frame.width())
                                                        .arg(frame.height())
                                                        .arg(frame.x())
                                                        .arg(frame.y())
                                                        .arg(screen.width())
                                                        .arg(screen.height())));
        QVERIFY2(!frame.intersects(picture), qPrintable(window));
        opened->close();
        // Nothing of the word the learner typed in the main window changed.
        QCOMPARE(main_->InputArea->text(), QStringLiteral("mado"));
        QCOMPARE(main_->FuriganaTxt->text(), QStringLiteral("ﾏﾄﾞ"));
    }

    void aMovedWindowOpensWhereItWasLeft()
    {
        QWidget* practice = Open("mnuAnswerQuiz", "frmPractice");
        QVERIFY(practice);
        const QPoint left = practice->frameGeometry().topLeft() + QPoint(-40, 60);
        practice->move(left);
        QTRY_COMPARE(practice->frameGeometry().topLeft(), left);
        practice->close();
        QCOMPARE(ReadSetting(setting::WindowPlace(QStringLiteral("frmPractice"))).toPoint(), left);
        practice = Open("mnuAnswerQuiz", "frmPractice");
        QVERIFY(practice);
        QCOMPARE(practice->frameGeometry().topLeft(), left);
        practice->close();
    }
};

QTEST_MAIN(BesideMainTest)
#include "beside_main_test.moc"

// Start-up where libLip.so cannot be found: this executable lives in a folder
// of its own, away from the library.
#include "ModalDialogs.h"
#include "TableBuilder.h"

#include "ui/main/frmSpace.h"

#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using namespace oralis;

class FrmSpaceNoLibTest : public QObject {
    Q_OBJECT

private slots:
    void aMissingRendererIsReportedAndStopsStartUp()
    {
        QString shown;
        testing::ModalWatcher watcher([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box)
                return false;
            shown = box->text();
            box->button(QMessageBox::Ok)->click();
            return true;
        });
        frmSpace w(nullptr, QStringLiteral("/nonexistent/LipPosition.csv"));
        QVERIFY(watcher.Seen());
        QVERIFY2(w.StartupError().startsWith(QStringLiteral("Cannot load the renderer library libLip.so")),
                 qPrintable(w.StartupError()));
        QCOMPARE(shown, w.StartupError());
        QVERIFY(!w.Lip().complete());
        // Nothing further is attempted: no table load, and drawing is a no-op.
        QVERIFY(!w.StartupTableLoaded());
        w.Display(0);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FrmSpaceNoLibTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "frmspace_nolib_test.moc"

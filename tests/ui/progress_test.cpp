// The load and save progress: the bar reaches its end when the work does, and
// a load the user cancelled is told as cancelled, not as failed.
#include "ui/Progress.h"

#include <QApplication>
#include <QProgressDialog>
#include <QtTest>

using namespace oralis;

class ProgressTest : public QObject {
    Q_OBJECT
private slots:
    void barReachesItsEndAndACancelIsToldAsOne()
    {
        FileProgress progress(nullptr, FileProgress::Loading(QStringLiteral("/t/big.csv")), true);
        QProgressDialog* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == QStringLiteral("FileProgress"))
                dialog = qobject_cast<QProgressDialog*>(w);
        }
        QVERIFY(dialog);
        const ProgressFn report = progress.callback();
        QVERIFY(report(1, 10));
        QVERIFY(report(10, 10));  // the end shows at once, however soon it comes
        QCOMPARE(dialog->value(), dialog->maximum());
        QCOMPARE(progress.loadFailure(QStringLiteral("/t/big.csv"), QStringLiteral("line 3: why")),
                 QStringLiteral("Cannot load /t/big.csv\nline 3: why"));

        dialog->cancel();
        QVERIFY(!report(5, 10));
        QCOMPARE(progress.loadFailure(QStringLiteral("/t/big.csv"), LoadCancelledReason()),
                 QStringLiteral("Loading big.csv was cancelled; nothing has changed."));
    }
};

QTEST_MAIN(ProgressTest)
#include "progress_test.moc"

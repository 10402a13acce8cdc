// The main window drawing through the real renderer, bound the way the
// program binds it: libLip.so from the program's folder.
#include "ModalDialogs.h"
#include "TableBuilder.h"

#include "ui/main/LipView.h"
#include "ui/main/frmSpace.h"

#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace oralis;

namespace {

QImage Grab(QWidget* view)
{
    return view->screen()->grabWindow(view->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

int DistinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

int ChangedPixels(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += a.pixel(x, y) != b.pixel(x, y);
    return changed;
}

}  // namespace

class FrmSpaceRenderTest : public QObject {
    Q_OBJECT

private slots:
    void playbackChangesThePicture()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString table = dir.filePath(QStringLiteral("rest_and_a.csv"));
        QVERIFY(testing::WriteText(
            table, {testing::HeaderRecord(0, QStringLiteral("rest"), 1),
                    QStringLiteral("1,0,0,0,0,1.8,0,0,3,0,0,0,0,0,0,1.8,0,0,3,0,0"),
                    testing::HeaderRecord(1, QStringLiteral("a"), 1),
                    QStringLiteral("1,0.2,0,0.5,0.14,1.8,0.375,0,3,0,2,0.2,0,-1.5,0.14,1.8,-1.125,0,3,0,12")}));

        frmSpace w(nullptr, table);
        QVERIFY2(w.StartupError().isEmpty(), qPrintable(w.StartupError()));
        QVERIFY(w.Lip().complete());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.picSpace->PaintCount() > 0);
        QTest::qWait(200);

        const QImage rest = Grab(w.picSpace);
        QCOMPARE(rest.size(), QSize(545, 385));
        QVERIFY2(DistinctColours(rest) > 3, "the rest picture is blank");

        w.SetReading(QStringLiteral("ｱ"));
        QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("cmdInput")), Qt::LeftButton);
        const QImage open = Grab(w.picSpace);
        QVERIFY2(ChangedPixels(rest, open) > 200, "the open mouth looks like the rest shape");

        // A still picture of the same shape draws the same pixels again.
        w.Display(0);
        QCOMPARE(ChangedPixels(open, Grab(w.picSpace)), 0);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    FrmSpaceRenderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "frmspace_render_test.moc"

// Gradient backgrounds: colour letters, the six patterns' geometry, the picture
// a painted window shows, and the About box that is painted only once.
#include "Version.h"
#include "ui/dialogs/FormBackground.h"
#include "ui/dialogs/frmAbout.h"

#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace oralis;

namespace {

QRgb Rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

// The colour of step i in pure red / green / blue.
QRgb Red(int i) { return Rgb(i, 0, 0); }
QRgb Green(int i) { return Rgb(0, i, 0); }

const QRgb kUntouched = qRgb(10, 20, 30);

QImage Drawn(int16_t pattern, uint32_t step, QSize size = QSize(512, 512),
             QRect client = QRect())
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    // Outer size in twips, far beyond the 512-unit system, as on a real window.
    DrawFormPattern(painter, client.isNull() ? image.rect() : client, pattern, step, 8000, 4000);
    return image;
}

}  // namespace

class BackgroundTest : public QObject {
    Q_OBJECT
private slots:
    void colourLetters_data();
    void colourLetters();
    void patternGeometry_data();
    void patternGeometry();
    void unknownPatternDrawsNothing();
    void clientAreaBelowMenuBar();
    void paintedWindowShowsPatterns();
    void resizeRedrawsSamePattern();
    void mainWindowClientArea();
    void aboutBoxPaintedOnce();
};

void BackgroundTest::colourLetters_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<uint>("previous");
    QTest::addColumn<uint>("step");
    QTest::newRow("red") << "R" << 0u << 1u;
    QTest::newRow("green") << "G" << 1u << 256u;
    QTest::newRow("blue") << "B" << 256u << 65536u;
    QTest::newRow("first call, unknown letter: black") << "X" << 0u << 0u;
    QTest::newRow("lower case keeps previous") << "r" << 256u << 256u;
    QTest::newRow("longer text keeps previous") << "RG" << 65536u << 65536u;
    QTest::newRow("padded keeps previous") << " G" << 1u << 1u;
    QTest::newRow("empty keeps previous") << "" << 1u << 1u;
}

void BackgroundTest::colourLetters()
{
    QFETCH(QString, letter);
    QFETCH(uint, previous);
    QFETCH(uint, step);
    QCOMPARE(ColourStepForLetter(letter, previous), step);
}

void BackgroundTest::patternGeometry_data()
{
    QTest::addColumn<int>("pattern");
    QTest::addColumn<uint>("step");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QRgb>("colour");
    // On a 512-pixel client one unit is one pixel. Boxes include both corners,
    // so a later pass overwrites the row or column it shares with the one before.
    QTest::newRow("0 top row dark") << 0 << 1u << QPoint(5, 0) << Red(0);
    QTest::newRow("0 row 101") << 0 << 1u << QPoint(300, 101) << Red(50);
    QTest::newRow("0 bottom row bright") << 0 << 1u << QPoint(511, 511) << Red(255);
    QTest::newRow("1 top two rows never reached") << 1 << 1u << QPoint(5, 1) << kUntouched;
    QTest::newRow("1 row 2 brightest") << 1 << 1u << QPoint(5, 2) << Red(255);
    QTest::newRow("1 row 100") << 1 << 1u << QPoint(400, 100) << Red(207);
    QTest::newRow("1 bottom row dark") << 1 << 1u << QPoint(0, 511) << Red(1);
    QTest::newRow("2 top row dark") << 2 << 256u << QPoint(7, 0) << Green(0);
    QTest::newRow("2 row 200") << 2 << 256u << QPoint(7, 200) << Green(200);
    QTest::newRow("2 middle bright") << 2 << 256u << QPoint(7, 256) << Green(255);
    QTest::newRow("2 row 311 mirrors 200") << 2 << 256u << QPoint(7, 311) << Green(201);
    QTest::newRow("2 bottom row dark") << 2 << 256u << QPoint(7, 511) << Green(1);
    QTest::newRow("3 innermost square") << 3 << 1u << QPoint(255, 255) << Red(255);
    QTest::newRow("3 innermost square, far corner") << 3 << 1u << QPoint(256, 256) << Red(255);
    QTest::newRow("3 border") << 3 << 1u << QPoint(0, 300) << Red(0);
    QTest::newRow("3 ring 10, left side") << 3 << 1u << QPoint(10, 300) << Red(10);
    QTest::newRow("3 ring 40, bottom side") << 3 << 1u << QPoint(200, 471) << Red(40);
    QTest::newRow("4 left bright") << 4 << 65536u << QPoint(0, 9) << Rgb(0, 0, 255);
    QTest::newRow("4 column 101") << 4 << 65536u << QPoint(101, 9) << Rgb(0, 0, 205);
    QTest::newRow("4 right dark") << 4 << 65536u << QPoint(511, 500) << Rgb(0, 0, 0);
    QTest::newRow("5 left dark") << 5 << 1u << QPoint(0, 9) << Red(0);
    QTest::newRow("5 column 101") << 5 << 1u << QPoint(101, 509) << Red(50);
    QTest::newRow("5 right bright") << 5 << 1u << QPoint(511, 0) << Red(255);
    QTest::newRow("black step") << 1 << 0u << QPoint(5, 100) << Rgb(0, 0, 0);
}

void BackgroundTest::patternGeometry()
{
    QFETCH(int, pattern);
    QFETCH(uint, step);
    QFETCH(QPoint, pixel);
    QFETCH(QRgb, colour);
    const QImage image = Drawn(static_cast<int16_t>(pattern), step);
    QCOMPARE(QColor(image.pixel(pixel)), QColor(colour));
}

void BackgroundTest::unknownPatternDrawsNothing()
{
    for (int16_t pattern : {int16_t(-1), int16_t(6), int16_t(300)}) {
        const QImage image = Drawn(pattern, 1);
        QImage untouched(image.size(), image.format());
        untouched.fill(kUntouched);
        QCOMPARE(image, untouched);
    }
}

void BackgroundTest::clientAreaBelowMenuBar()
{
    // The 512 units span the client rectangle only; what lies above it (a menu
    // bar) stays as it was, and bands reaching W run to the client's right edge.
    const QImage image = Drawn(0, 1, QSize(300, 276), QRect(0, 20, 256, 256));
    QCOMPARE(QColor(image.pixel(100, 19)), QColor(kUntouched));
    QCOMPARE(QColor(image.pixel(100, 20)), QColor(Red(0)));
    QCOMPARE(QColor(image.pixel(255, 20 + 128)), QColor(Red(128)));
    QCOMPARE(QColor(image.pixel(256, 20 + 128)), QColor(kUntouched));
    QCOMPARE(QColor(image.pixel(0, 275)), QColor(Red(255)));
}

void BackgroundTest::paintedWindowShowsPatterns()
{
    QWidget window;
    window.setFixedSize(512, 512);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    PaintFormBackground(&window, 1, QStringLiteral("R"));
    QImage shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(300, 100)), QColor(Red(207)));
    QCOMPARE(QColor(shot.pixel(300, 511)), QColor(Red(1)));

    PaintFormBackground(&window, 2, QStringLiteral("G"));
    shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(20, 200)), QColor(Green(200)));
    QCOMPARE(QColor(shot.pixel(20, 256)), QColor(Green(255)));

    // An unknown letter paints in the colour the previous call left.
    PaintFormBackground(&window, 3, QStringLiteral("?"));
    QCOMPARE(CurrentColourStep(), 256u);
    shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(255, 255)), QColor(Green(255)));
    QCOMPARE(QColor(shot.pixel(10, 300)), QColor(Green(10)));

    // An unknown pattern leaves the picture but still takes the colour.
    const int renders = FormBackgroundRenderCount(&window);
    PaintFormBackground(&window, 7, QStringLiteral("B"));
    QCOMPARE(CurrentColourStep(), 65536u);
    QCOMPARE(FormBackgroundRenderCount(&window), renders);
    QCOMPARE(window.grab().toImage(), shot);
}

void BackgroundTest::resizeRedrawsSamePattern()
{
    QWidget window;
    window.resize(512, 512);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    PaintFormBackground(&window, 1, QStringLiteral("R"));
    QCOMPARE(FormBackgroundRenderCount(&window), 1);

    // Repainting reuses the picture.
    window.repaint();
    QCOMPARE(FormBackgroundRenderCount(&window), 1);

    // Another window painted in blue meanwhile must not change this one's colour.
    QWidget other;
    PaintFormBackground(&other, 1, QStringLiteral("B"));

    window.resize(512, 256);
    QTRY_COMPARE(window.size(), QSize(512, 256));
    QTRY_COMPARE(FormBackgroundRenderCount(&window), 2);
    const QImage shot = window.grab().toImage();
    // Half the height: unit u lands on row u / 2.
    QCOMPARE(QColor(shot.pixel(100, 128)), QColor(Red(129)));
    QCOMPARE(QColor(shot.pixel(100, 255)), QColor(Red(2)));
}

void BackgroundTest::mainWindowClientArea()
{
    // Painted before the window is laid out, as a main window does on load:
    // the gradient must end up between the menu bar and the status bar.
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.setCentralWidget(new QWidget);
    window.statusBar()->showMessage(QStringLiteral("ready"));
    PaintFormBackground(&window, 0, QStringLiteral("R"));
    window.resize(300, 400);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRect client = window.centralWidget()->geometry();
    QVERIFY(client.top() > 0);
    QTRY_COMPARE(QColor(window.grab().toImage().pixel(150, client.top())), QColor(Red(0)));
    const QImage shot = window.grab().toImage();
    QCOMPARE(QColor(shot.pixel(150, client.bottom())), QColor(Red(255)));
    QCOMPARE(QColor(shot.pixel(150, client.top() + client.height() / 2)), QColor(Red(128)));
}

void BackgroundTest::aboutBoxPaintedOnce()
{
    frmAbout& about = frmAbout::Instance();
    QCOMPARE(&frmAbout::Instance(), &about);
    QCOMPARE(FormBackgroundRenderCount(&about), 1);
    QCOMPARE(about.windowTitle(), QStringLiteral("Oralis"));
    QCOMPARE(about.findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Lip reading trainer ") + QLatin1String(kOralisVersion));
    QCOMPARE(about.findChild<QLabel*>("Label2")->text(), QStringLiteral("Oralis"));
    QCOMPARE(about.findChild<QLabel*>("Label3")->text(), QStringLiteral("Beta Version"));

    for (int showing = 0; showing < 2; ++showing) {
        QImage shot;
        bool wasVisible = false;
        QTimer::singleShot(0, &about, [&] {
            wasVisible = about.isVisible();
            shot = about.grab().toImage();
            QTest::mouseClick(about.findChild<QPushButton*>("Command1"), Qt::LeftButton);
        });
        about.exec();
        QVERIFY(wasVisible);
        QVERIFY(!about.isVisible());
        QCOMPARE(FormBackgroundRenderCount(&about), 1);
        // Green only: dark at the top edge, bright along the middle.
        const QColor top(shot.pixel(5, 1));
        const QColor middle(shot.pixel(5, shot.height() / 2));
        QCOMPARE(middle.red(), 0);
        QCOMPARE(middle.blue(), 0);
        QVERIFY2(middle.green() > 240, qPrintable(middle.name()));
        QVERIFY2(top.green() < 20, qPrintable(top.name()));
    }
}

QTEST_MAIN(BackgroundTest)
#include "background_test.moc"

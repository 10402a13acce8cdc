// signsheet: draws every frame of every sign of a lip position table, from the
// front and from a three-quarter view, into one labelled PNG. Instructors print
// it as a reference of the mouth shapes; the team uses it to review a table.
//
//   signsheet TABLE.csv OUT.png
#include "model/LipTableFile.h"
#include "render/Lip.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QWidget>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kViewWidth = 260;
constexpr int kViewHeight = 180;
constexpr int kLabelHeight = 22;
constexpr int kCellsPerRow = 3;
constexpr int kCellWidth = 2 * kViewWidth + 12;
constexpr int kCellHeight = kLabelHeight + kViewHeight + 10;

// A native X window the renderer can draw into.
class Canvas : public QWidget {
public:
    Canvas()
    {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        setFixedSize(kViewWidth, kViewHeight);
    }
    QPaintEngine* paintEngine() const override { return nullptr; }
};

// The camera of the main window, closer in, at an azimuth and elevation (degrees).
std::array<float, 17> View(float azimuth, float elevation)
{
    const double distance = 500.0;
    const double a = azimuth * 3.14159265 / 180.0;
    const double b = elevation * 3.14159265 / 180.0;
    std::array<float, 17> v{};
    v[0] = kViewWidth;
    v[1] = kViewHeight;
    v[2] = 9.0f;  // field of view: the mouth fills the picture
    v[3] = static_cast<float>(0.2 * distance);
    v[4] = static_cast<float>(distance + 1000.0);
    v[5] = static_cast<float>(distance * std::cos(a) * std::cos(b));
    v[6] = static_cast<float>(distance * std::sin(a) * std::cos(b));
    v[7] = static_cast<float>(distance * std::sin(b));
    v[11] = 1000.0f;
    v[14] = 1.0f;
    return v;
}

QImage Draw(Canvas& canvas, const oralis::LipFrame& frame, const std::array<float, 17>& view)
{
    ControlPass(frame.upperCurve(), frame.upperAngle(), frame.lowerCurve(), frame.lowerAngle());
    DrawSpace(static_cast<LipWindow>(canvas.winId()), view.data(), 0, 0);
    return canvas.screen()->grabWindow(canvas.winId()).toImage();
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: signsheet TABLE.csv OUT.png\n");
        return 2;
    }
    oralis::SignTable table;
    QString why;
    if (!oralis::LoadLipTable(QString::fromLocal8Bit(argv[1]), table, &why)) {
        std::fprintf(stderr, "signsheet: cannot load %s: %s\n", argv[1], qPrintable(why));
        return 1;
    }

    int cells = 0;
    for (int s = 0; s < table.SignCount; ++s)
        cells += table[s].FrameCount();
    const int rows = (cells + kCellsPerRow - 1) / kCellsPerRow;
    QImage sheet(kCellsPerRow * kCellWidth, std::max(rows, 1) * kCellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);

    Canvas canvas;
    canvas.show();
    while (!canvas.isVisible() || !canvas.windowHandle()->isExposed())
        app.processEvents();

    const auto front = View(0.1f, 0.0f);
    const auto threeQuarter = View(40.0f, 15.0f);
    QPainter painter(&sheet);
    painter.setFont(QFont(QStringLiteral("Noto Sans CJK JP"), 10));
    int cell = 0;
    for (int s = 0; s < table.SignCount; ++s) {
        const oralis::SignEntry& sign = table[s];
        for (int k = 0; k < sign.FrameCount(); ++k, ++cell) {
            const int x = (cell % kCellsPerRow) * kCellWidth + 4;
            const int y = (cell / kCellsPerRow) * kCellHeight + 2;
            const oralis::LipFrame& frame = sign.Frames[static_cast<size_t>(k)];
            painter.setPen(Qt::black);
            painter.drawText(QRect(x, y, kCellWidth - 8, kLabelHeight), Qt::AlignLeft | Qt::AlignVCenter,
                             QStringLiteral("%1  %2  frame %3/%4  rate %5")
                                 .arg(s)
                                 .arg(sign.SignName.trimmed())
                                 .arg(k + 1)
                                 .arg(sign.FrameCount())
                                 .arg(static_cast<double>(frame.velocityRate())));
            painter.drawImage(x, y + kLabelHeight, Draw(canvas, frame, front));
            painter.drawImage(x + kViewWidth + 4, y + kLabelHeight, Draw(canvas, frame, threeQuarter));
        }
    }
    painter.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "signsheet: cannot write %s\n", argv[2]);
        return 1;
    }
    std::printf("%d frames of %d signs written to %s\n", cell, static_cast<int>(table.SignCount), argv[2]);
    return 0;
}

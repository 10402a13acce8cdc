#include "ui/study/StudyPictures.h"

#include "playback/RendererShape.h"
#include "playback/ViewControl.h"
#include "ui/Common.h"
#include "ui/LearnerHost.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QtMath>
#include <algorithm>

namespace oralis {

namespace {

constexpr int kExposeWaitMs = 2000;
const QColor kMissing(0xd0, 0xd0, 0xd0);
const QColor kDifferMark(0xd3, 0x2f, 0x2f);

}  // namespace

// A native window for the renderer, shown only while pictures are drawn. It
// stays out of the window manager's way and never takes the focus.
class StillCanvas : public QWidget {
public:
    StillCanvas()
        : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                               Qt::X11BypassWindowManagerHint)
    {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_PaintOnScreen);
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
    }
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    void paintEvent(QPaintEvent*) override {}
};

StudyPictures::StudyPictures(LearnerHost& host) : host_(host), canvas_(std::make_unique<StillCanvas>()) {}

StudyPictures::~StudyPictures() = default;

QList<QImage> StudyPictures::Draw(const std::vector<std::optional<LipFrame>>& frames, QSize size,
                                  const ProgressFn& progress)
{
    QList<QImage> pictures;
    const LipExports& lip = host_.Lip();
    const RendererShape shown = RendererShapeNow();

    // Read back, the window must lie wholly on the screen: at the main
    // window's corner where it fits there.
    const QScreen* screen = host_.HostWindow().screen();
    const QRect desk = screen ? screen->geometry() : QRect(QPoint(0, 0), size);
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const QSize room = desk.size() * ratio;
    const QSize fits = size.width() <= room.width() && size.height() <= room.height()
        ? size
        : size.scaled(room, Qt::KeepAspectRatio);
    const QSize logical(qCeil(fits.width() / ratio), qCeil(fits.height() / ratio));
    canvas_->setFixedSize(logical);
    const QPoint corner = host_.HostWindow().geometry().topLeft();
    canvas_->move(std::clamp(corner.x(), desk.left(), std::max(desk.left(), desk.right() + 1 - logical.width())),
                  std::clamp(corner.y(), desk.top(), std::max(desk.top(), desk.bottom() + 1 - logical.height())));
    canvas_->show();
    QElapsedTimer waited;
    waited.start();
    while (!(canvas_->windowHandle() && canvas_->windowHandle()->isExposed()) && waited.elapsed() < kExposeWaitMs)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);

    CameraState camera;
    camera.FieldOfView = CloseUpFieldOfView(Program().signTable, camera.CameraDistance,
                                            static_cast<float>(fits.width()), static_cast<float>(fits.height()));
    const auto view = ComputeViewParams(camera, static_cast<float>(logical.width() * canvas_->devicePixelRatioF()),
                                        static_cast<float>(logical.height() * canvas_->devicePixelRatioF()));
    for (const std::optional<LipFrame>& frame : frames) {
        if (!frame || !lip.complete()) {
            QImage blank(size, QImage::Format_RGB32);
            blank.fill(kMissing);
            pictures << blank;
            continue;
        }
        // Another window opened meanwhile (a progress dialog) would be read
        // back with the picture.
        canvas_->raise();
        lip.ControlPass(frame->upperCurve(), frame->upperAngle(), frame->lowerCurve(), frame->lowerAngle());
        lip.DrawSpace(static_cast<LipWindow>(canvas_->winId()), view.data(), 0, 0);
        pictures << canvas_->screen()
                        ->grabWindow(canvas_->winId())
                        .toImage()
                        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_RGB32);
        if (progress)
            progress(pictures.size(), static_cast<qint64>(frames.size()));
    }
    canvas_->hide();
    if (lip.complete())
        PutBackShape(lip, shown);
    return pictures;
}

QImage StudyPictures::Strip(const std::vector<StripColumn>& columns, int rows)
{
    std::vector<std::optional<LipFrame>> frames;
    for (const StripColumn& c : columns) {
        frames.push_back(c.a ? c.a->target : std::optional<LipFrame>());
        if (rows > 1)
            frames.push_back(c.b ? c.b->target : std::optional<LipFrame>());
    }
    const QList<QImage> pictures = Draw(frames);

    QImage strip(StripImageSize(static_cast<int>(columns.size()), rows), QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setFont(NamedFont(QStringLiteral("ＭＳ Ｐ明朝"), 10));
    int picture = 0;
    for (int col = 0; col < static_cast<int>(columns.size()); ++col) {
        const StripColumn& c = columns[static_cast<size_t>(col)];
        for (int row = 0; row < rows; ++row) {
            const std::optional<StripCell>& cell = row == 0 ? c.a : c.b;
            p.drawImage(StripPictureRect(col, row), pictures[picture++]);
            p.setPen(Qt::black);
            p.drawText(StripLabelRect(col, row), Qt::AlignCenter, cell ? cell->label() : QStringLiteral("—"));
        }
        if (c.differs) {
            p.setPen(QPen(kDifferMark, 3));
            p.setBrush(Qt::NoBrush);
            p.drawRect(StripColumnRect(col, rows));
        }
    }
    return strip;
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

}  // namespace oralis

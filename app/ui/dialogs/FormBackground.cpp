#include "ui/dialogs/FormBackground.h"

#include "ui/Common.h"

#include <QEvent>
#include <QFrame>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace oralis {

namespace {

constexpr double kUnits = 512.0;
constexpr int kPasses = 256;
constexpr int kLineWidth = 2;

// The one colour that carries over from call to call, as the callers expect:
// a window painted with an unknown letter takes the previous window's colour.
uint32_t g_colourStep = 0;

QColor ColourOf(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

// Maps user units along one axis of the client area to pixels. Coordinates far
// outside (the outer size in twips) are clamped so the arithmetic stays in
// range; the painter's clip cuts them at the edge anyway.
struct Axis {
    int origin;
    int extent;
    int Pixel(double units) const
    {
        const double p = std::floor(units * extent / kUnits);
        return origin + static_cast<int>(std::clamp(p, -8.0, extent + 8.0));
    }
};

class PatternPainter {
public:
    PatternPainter(QPainter& painter, const QRect& client)
        : painter_(painter), x_{client.left(), client.width()}, y_{client.top(), client.height()}
    {
    }

    void FilledBox(double x1, double y1, double x2, double y2, const QColor& c)
    {
        painter_.fillRect(BoxPixels(x1, y1, x2, y2), c);
    }

    void Outline(double x1, double y1, double x2, double y2, const QColor& c)
    {
        const QRect r = BoxPixels(x1, y1, x2, y2);
        if (r.width() <= 2 * kLineWidth || r.height() <= 2 * kLineWidth) {
            painter_.fillRect(r, c);
            return;
        }
        painter_.fillRect(QRect(r.left(), r.top(), r.width(), kLineWidth), c);
        painter_.fillRect(QRect(r.left(), r.bottom() - kLineWidth + 1, r.width(), kLineWidth), c);
        painter_.fillRect(QRect(r.left(), r.top(), kLineWidth, r.height()), c);
        painter_.fillRect(QRect(r.right() - kLineWidth + 1, r.top(), kLineWidth, r.height()), c);
    }

    void HorizontalLine(double x1, double x2, double y, const QColor& c)
    {
        const int left = x_.Pixel(std::min(x1, x2));
        const int right = x_.Pixel(std::max(x1, x2));
        painter_.fillRect(QRect(left, y_.Pixel(y), right - left + 1, kLineWidth), c);
    }

private:
    QRect BoxPixels(double x1, double y1, double x2, double y2) const
    {
        return QRect(QPoint(x_.Pixel(x1), y_.Pixel(y1)), QPoint(x_.Pixel(x2), y_.Pixel(y2))).normalized();
    }

    QPainter& painter_;
    Axis x_;
    Axis y_;
};

int PixelsToTwips(int pixels)
{
    // Twips(1440) is the screen's pixels per inch: the inverse of Twips().
    const int pixelsPerInch = std::max(1, Twips(1440));
    return static_cast<int>(std::lround(pixels * 1440.0 / pixelsPerInch));
}

// The client area in the window's own coordinates. A main window's menu bar
// and status bar are not part of it, just as they are not on other platforms.
QRect ClientRect(const QWidget* window)
{
    if (const auto* main = qobject_cast<const QMainWindow*>(window)) {
        if (const QWidget* central = main->centralWidget()) {
            const QRect r = central->geometry();
            if (r.isValid())
                return r;
        }
    }
    return window->rect();
}

// Remembers what was painted on one window so the picture can be drawn again
// at the new size; lives as a child of the window and dies with it.
class BackgroundKeeper : public QObject {
public:
    explicit BackgroundKeeper(QWidget* window)
        : QObject(window), window_(window), base_(window->palette().color(QPalette::Window))
    {
        window->installEventFilter(this);
        WatchCentralWidget();
    }

    void Paint(int16_t pattern, uint32_t colourStep)
    {
        pattern_ = pattern;
        colourStep_ = colourStep;
        Render();
    }

    int RenderCount() const { return renders_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool resized = event->type() == QEvent::Resize && watched == window_;
        const bool clientMoved = (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
                                 watched == central_;
        if (window_ && (resized || clientMoved)) {
            WatchCentralWidget();
            if (window_->size() != renderedSize_ || ClientRect(window_) != renderedClient_ ||
                window_->devicePixelRatioF() != renderedRatio_)
                Render();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    // A main window lays out its central widget only after its own resize
    // event, so the client area is known for sure when the central widget
    // reports its new size.
    void WatchCentralWidget()
    {
        const auto* main = qobject_cast<QMainWindow*>(window_.data());
        QWidget* central = main ? main->centralWidget() : nullptr;
        if (central == central_)
            return;
        if (central_)
            central_->removeEventFilter(this);
        central_ = central;
        if (central_)
            central_->installEventFilter(this);
    }

    void Render()
    {
        QWidget* w = window_.data();
        if (!w)
            return;
        const qreal ratio = w->devicePixelRatioF();
        const QSize logical = w->size().expandedTo(QSize(1, 1));
        const QRect client = ClientRect(w);
        QImage image(QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)),
                     QImage::Format_RGB32);
        image.fill(base_);
        {
            QPainter painter(&image);
            const QRect deviceClient(qRound(client.left() * ratio), qRound(client.top() * ratio),
                                     qRound(client.width() * ratio), qRound(client.height() * ratio));
            const QRect frame = w->frameGeometry();
            DrawFormPattern(painter, deviceClient, pattern_, colourStep_,
                            PixelsToTwips(frame.width()), PixelsToTwips(frame.height()));
        }
        QPixmap pixmap = QPixmap::fromImage(image);
        pixmap.setDevicePixelRatio(ratio);
        QPalette palette = w->palette();
        palette.setBrush(QPalette::Window, QBrush(pixmap));
        w->setPalette(palette);
        w->setAutoFillBackground(true);
        renderedSize_ = w->size();
        renderedClient_ = client;
        renderedRatio_ = ratio;
        ++renders_;
        w->update();
    }

    QPointer<QWidget> window_;
    QPointer<QWidget> central_;
    QColor base_;
    int16_t pattern_ = 0;
    uint32_t colourStep_ = 0;
    QSize renderedSize_;
    QRect renderedClient_;
    qreal renderedRatio_ = 0;
    int renders_ = 0;
};

BackgroundKeeper* FindKeeper(const QWidget* window)
{
    for (QObject* child : window->children()) {
        if (auto* keeper = dynamic_cast<BackgroundKeeper*>(child))
            return keeper;
    }
    return nullptr;
}

}  // namespace

uint32_t ColourStepForLetter(const QString& letter, uint32_t previous)
{
    if (letter == QLatin1String("R"))
        return 0x000001u;
    if (letter == QLatin1String("G"))
        return 0x000100u;
    if (letter == QLatin1String("B"))
        return 0x010000u;
    return previous;
}

uint32_t CurrentColourStep()
{
    return g_colourStep;
}

void DrawFormPattern(QPainter& painter, const QRect& client, int16_t pattern,
                     uint32_t colourStep, int outerWidthTwips, int outerHeightTwips)
{
    if (client.isEmpty() || pattern < 0 || pattern > 5)
        return;
    painter.save();
    painter.setClipRect(client);
    painter.setRenderHint(QPainter::Antialiasing, false);
    PatternPainter p(painter, client);
    const double w = outerWidthTwips;
    const double h = outerHeightTwips;
    for (int i = 0; i < kPasses; ++i) {
        const QColor colour = ColourOf(colourStep * static_cast<uint32_t>(i));
        switch (pattern) {
        case 0:
            p.FilledBox(0, 2 * i, w, 2 * i + 2, colour);
            break;
        case 1:
            p.FilledBox(0, 512 - 2 * i, w, 514 - 2 * i, colour);
            break;
        case 2:
            p.HorizontalLine(0, w, i, colour);
            p.HorizontalLine(0, w, 511 - i, colour);
            break;
        case 3:
            p.Outline(i, i, 511 - i, 511 - i, colour);
            break;
        case 4:
            p.FilledBox(2 * i, 0, 2 * i + 2, h,
                        ColourOf(colourStep * static_cast<uint32_t>(kPasses - 1 - i)));
            break;
        case 5:
            p.FilledBox(2 * i, 0, 2 * i + 2, h, colour);
            break;
        default:
            break;
        }
    }
    painter.restore();
}

void PaintFormBackground(QWidget* window, int16_t pattern, const QString& letter)
{
    g_colourStep = ColourStepForLetter(letter, g_colourStep);
    // An unknown pattern leaves whatever the window shows untouched.
    if (!window || pattern < 0 || pattern > 5)
        return;
    BackgroundKeeper* keeper = FindKeeper(window);
    if (!keeper)
        keeper = new BackgroundKeeper(window);
    keeper->Paint(pattern, g_colourStep);
}

int FormBackgroundRenderCount(const QWidget* window)
{
    const BackgroundKeeper* keeper = window ? FindKeeper(window) : nullptr;
    return keeper ? keeper->RenderCount() : 0;
}

QFrame* FormBorder(QWidget* dialog, int widthTwips, int heightTwips)
{
    auto* box = new QFrame(dialog);
    box->setObjectName(QStringLiteral("Shape1"));
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    box->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlaceTwips(box, 0, 0, widthTwips, heightTwips);
    return box;
}

}  // namespace oralis

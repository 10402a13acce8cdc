#include "ui/BesideMain.h"

#include "model/UserSettings.h"
#include "model/WindowPlace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace oralis {

namespace {

// A window manager frames a new window within a second or so; without one
// a window never gets a frame.
constexpr auto kSettleInterval = std::chrono::milliseconds(50);
constexpr int kSettleChecks = 40;

// Watches one window: where the program put it, and whether the user has
// moved it since; a moved window's place is kept when it hides or goes away.
class PlaceKeeper : public QObject {
    Q_OBJECT
public:
    explicit PlaceKeeper(QWidget& window) : QObject(&window), window_(&window)
    {
        window.installEventFilter(this);
        settle_.setInterval(kSettleInterval);
        connect(&settle_, &QTimer::timeout, this, &PlaceKeeper::settle);
    }
    ~PlaceKeeper() override { keep(); }

    // The program has put the window at `at` (its frame's top left), to be shown.
    void placed(const QPoint& at)
    {
        placed_ = at;
        left_ = at;
        settleChecks_ = kSettleChecks;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_)
            return false;
        if (event->type() == QEvent::Show && settleChecks_ > 0)
            settle_.start();
        else if (event->type() == QEvent::Hide)
            keep();
        else if (event->type() == QEvent::Move && window_->isVisible() && !settle_.isActive())
            left_ = window_->frameGeometry().topLeft();
        return false;
    }

private:
    // Where a window manager puts a window placed before it had a frame
    // depends on how it reads the request (the frame's corner or the
    // inside's). Once the frame is known, the window is put where it was
    // meant to be; moves until then are not the user's.
    void settle()
    {
        const bool framed = window_->frameGeometry() != window_->geometry();
        if (window_->isVisible() && !framed && --settleChecks_ > 0)
            return;
        settleChecks_ = 0;
        settle_.stop();
        if (window_->isVisible() && window_->frameGeometry().topLeft() != placed_)
            window_->move(placed_);
    }

    void keep()
    {
        if (left_ == placed_)
            return;
        QString why;
        if (!WriteSetting(setting::WindowPlace(window_->objectName()), left_, &why))
            std::fprintf(stderr, "Oralis: %s\n", qPrintable(why));
        placed_ = left_;
    }

    QWidget* window_;
    QPoint placed_;
    QPoint left_;
    QTimer settle_;
    int settleChecks_ = 0;
};

// The place `window`, `size` with its frame, opens at on `area`: where the
// user left it, moved onto the screen when that has changed since, else
// `fallback`. The keeper learns it, so that only the user's moves count.
void OpenAt(QWidget& window, const QRect& area, const QSize& size, const QPoint& fallback)
{
    auto* keeper = window.findChild<PlaceKeeper*>(QString(), Qt::FindDirectChildrenOnly);
    if (!keeper)
        keeper = new PlaceKeeper(window);
    const QVariant kept = ReadSetting(setting::WindowPlace(window.objectName()));
    const QPoint at = kept.isValid() && kept.canConvert<QPoint>() ? KeptOnScreen(area, QRect(kept.toPoint(), size))
                                                                   : fallback;
    window.move(at);
    keeper->placed(at);
}

QRect AreaOf(const QWidget& window, const QSize& size)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(), size);
}

}  // namespace

void PlaceMainWindow(QWidget& main)
{
    const QRect area = AreaOf(main, main.size());
    OpenAt(main, area, main.size(), area.topLeft());
}

void ShowBeside(QWidget& window, const QWidget& main, const QRect& picture)
{
    if (!window.isVisible()) {
        // The frame is not known before the window is shown; the window
        // manager gives it the same one it gave the main window.
        const QRect mainFrame = main.frameGeometry();
        const QRect mainInside = main.geometry();
        if (!window.testAttribute(Qt::WA_Resized))
            window.adjustSize();
        const QSize size = window.size()
            + QSize(mainFrame.width() - mainInside.width(), mainFrame.height() - mainInside.height());
        const QRect area = AreaOf(main, size);
        OpenAt(window, area, size, PlaceBeside(area, mainFrame, picture, size));
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace oralis

#include "BesideMain.moc"

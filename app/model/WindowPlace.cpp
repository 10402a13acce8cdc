#include "model/WindowPlace.h"

#include <algorithm>
#include <tuple>

namespace oralis {

namespace {

// The start of a span of `length` at `wanted`, moved inside [low, high]; at
// `low` when it is longer than that.
int Inside(int wanted, int length, int low, int high)
{
    return std::max(low, std::min(wanted, high - length + 1));
}

qint64 Covered(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64{both.width()} * both.height();
}

}  // namespace

QPoint KeptOnScreen(const QRect& screen, const QRect& window)
{
    return {Inside(window.left(), window.width(), screen.left(), screen.right()),
            Inside(window.top(), window.height(), screen.top(), screen.bottom())};
}

QPoint PlaceBeside(const QRect& screen, const QRect& main, const QRect& picture, const QSize& size)
{
    const QPoint right(main.right() + 1, Inside(main.top(), size.height(), screen.top(), screen.bottom()));
    if (right.x() + size.width() - 1 <= screen.right())
        return right;
    const QPoint below(Inside(main.left(), size.width(), screen.left(), screen.right()), main.bottom() + 1);
    if (below.y() + size.height() - 1 <= screen.bottom())
        return below;

    // The best place touches an edge of the screen, the main window or the
    // picture on each axis.
    const int xs[] = {screen.left(), screen.right() - size.width() + 1, main.left() - size.width(), main.right() + 1,
                      picture.left() - size.width(), picture.right() + 1, main.left()};
    const int ys[] = {screen.top(), screen.bottom() - size.height() + 1, main.top() - size.height(),
                      main.bottom() + 1, picture.top() - size.height(), picture.bottom() + 1, main.top()};
    QPoint best;
    std::tuple<qint64, qint64, qint64> bestCost{-1, 0, 0};
    for (int x : xs) {
        for (int y : ys) {
            const QPoint at(Inside(x, size.width(), screen.left(), screen.right()),
                            Inside(y, size.height(), screen.top(), screen.bottom()));
            const QRect placed(at, size);
            const QPoint off = at - right;
            const std::tuple<qint64, qint64, qint64> cost{Covered(placed, picture), Covered(placed, main),
                                                          qint64{off.x()} * off.x() + qint64{off.y()} * off.y()};
            if (std::get<0>(bestCost) < 0 || cost < bestCost) {
                best = at;
                bestCost = cost;
            }
        }
    }
    return best;
}

}  // namespace oralis

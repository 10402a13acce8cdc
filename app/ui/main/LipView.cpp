#include "ui/main/LipView.h"

#include "ui/main/frmSpace.h"

#include <QMouseEvent>

namespace oralis {

LipView::LipView(frmSpace& owner, QWidget* parent) : QWidget(parent), owner_(owner)
{
    setObjectName(QStringLiteral("picSpace"));
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

void LipView::paintEvent(QPaintEvent*)
{
    ++paints_;
    owner_.Display(0);
}

void LipView::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    owner_.ViewPress(event->button(), event->position());
}

void LipView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    owner_.ViewRelease();
}

}  // namespace oralis

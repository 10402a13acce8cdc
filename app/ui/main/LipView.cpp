#include "ui/main/LipView.h"

#include "ui/main/frmSpace.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

namespace oralis {

LipView::LipView(frmSpace& owner, QWidget* parent) : QWidget(parent), owner_(owner)
{
    setObjectName(QStringLiteral("picSpace"));
    setAttribute(Qt::WA_NativeWindow);
    setAttribute(Qt::WA_PaintOnScreen);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    // A click gives the picture the arrow keys; Tab keeps passing it by.
    setFocusPolicy(Qt::ClickFocus);
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

void LipView::wheelEvent(QWheelEvent* event)
{
    event->accept();
    owner_.ViewWheel(event->angleDelta().y());
}

void LipView::keyPressEvent(QKeyEvent* event)
{
    ViewKey key;
    switch (event->key()) {
    case Qt::Key_Left: key = ViewKey::Left; break;
    case Qt::Key_Right: key = ViewKey::Right; break;
    case Qt::Key_Up: key = ViewKey::Up; break;
    case Qt::Key_Down: key = ViewKey::Down; break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
    owner_.ViewArrow(key);
}

}  // namespace oralis

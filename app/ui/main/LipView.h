// The picture box `picSpace`: a native X window the renderer draws into with
// OpenGL. Qt paints nothing here; every picture comes from the main window's
// Display.
#pragma once

#include <QWidget>

namespace oralis {

class frmSpace;

class LipView : public QWidget {
    Q_OBJECT
public:
    LipView(frmSpace& owner, QWidget* parent);

    QPaintEngine* paintEngine() const override { return nullptr; }

    // How many times the view has been asked to repaint (tests wait on it).
    int PaintCount() const { return paints_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    frmSpace& owner_;
    int paints_ = 0;
};

}  // namespace oralis

#pragma once

#include <QPoint>
#include <QWidget>

#include "platform/image_surface.h"

// The 600 x 400 play canvas. It shows the window's surface: drawing code changes the surface
// and asks for exactly the rectangle it changed; a paint event copies only that rectangle.
class PlayCanvas : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 400;

    explicit PlayCanvas(QWidget* parent = nullptr);

    ImageSurface& Surface() { return surface; }

    // Asks for one rectangle of the surface to be shown again.
    void RepaintRect(const PixelRect& rect);
    // Asks for the whole canvas to be shown again.
    void RepaintAll();

    // What has been asked since the last paint or ForgetRepaints, so tests can check that a
    // drag never repaints more than the dragged element's rectangles.
    const QList<QRect>& RequestedRects() const { return requestedRects; }
    int FullRepaintRequests() const { return fullRepaintRequests; }
    void ForgetRepaints();

  signals:
    void leftPressed(QPoint point);
    void leftReleased(QPoint point);
    void leftDoubleClicked(QPoint point);
    void rightReleased(QPoint point);
    void moved(QPoint point);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    ImageSurface surface{kWidth, kHeight};
    QList<QRect> requestedRects;
    int fullRepaintRequests = 0;
};

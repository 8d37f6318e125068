#pragma once

#include <QPoint>

#include "platform/image_surface.h"
#include "platform/pixel_view.h"

// The 600 x 400 play canvas. It shows the window's surface and reports the player's mouse in
// the surface's pixels.
class PlayCanvas : public PixelView {
    Q_OBJECT
  public:
    explicit PlayCanvas(QWidget* parent = nullptr);

    ImageSurface& Surface() { return surface; }

  signals:
    void leftPressed(QPoint point);
    void leftReleased(QPoint point);
    void leftDoubleClicked(QPoint point);
    void rightReleased(QPoint point);
    void moved(QPoint point);

  protected:
    const QImage& Picture() const override { return surface.Image(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QPoint At(const QMouseEvent* event) const;

    ImageSurface surface{kWidth, kHeight};
};

#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

#include "model/draw_surface.h"

class QMouseEvent;

namespace tessellix {

// A widget that shows a 600 x 400 picture, enlarged by a whole factor with crisp pixels. Code
// draws into the picture and asks for exactly the rectangle it changed; a paint event copies
// only what was asked. Mouse positions come back in the picture's pixels.
class PixelView : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = kPictureWidth;
    static constexpr int kHeight = kPictureHeight;

    explicit PixelView(QWidget* parent = nullptr);

    int Zoom() const { return zoom; }
    // The widget becomes factor times the picture's size; factors below 1 count as 1.
    void SetZoom(int factor);

    // Asks for one rectangle of the picture to be shown again.
    void RepaintRect(const PixelRect& rect);
    // Asks for the whole picture to be shown again.
    void RepaintAll();

    // What has been asked since the last paint or ForgetRepaints, so tests and benchmarks can
    // check that a drag or a stroke never repaints more than it changed.
    const QList<QRect>& RequestedRects() const { return requestedRects; }
    int FullRepaintRequests() const { return fullRepaintRequests; }
    void ForgetRepaints();

  protected:
    // The picture shown, in the picture's own pixels.
    virtual const QImage& Picture() const = 0;
    // Where a mouse event happened, in the picture's pixels: the enlarged pixel's origin.
    PixelPoint PictureOf(const QMouseEvent* event) const;

    void paintEvent(QPaintEvent* event) override;

  private:
    int zoom = 1;
    QList<QRect> requestedRects;
    int fullRepaintRequests = 0;
};

}  // namespace tessellix

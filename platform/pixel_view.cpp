#include "platform/pixel_view.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace tessellix {

PixelView::PixelView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PixelView::SetZoom(int factor) {
    zoom = std::max(factor, 1);
    setFixedSize(kWidth * zoom, kHeight * zoom);
    update();
}

void PixelView::RepaintRect(const PixelRect& rect) {
    const QRect area(rect.left, rect.top, rect.Width(), rect.Height());
    requestedRects.append(area);
    update(QRect(area.topLeft() * zoom, area.size() * zoom));
}

void PixelView::RepaintAll() {
    ++fullRepaintRequests;
    update();
}

void PixelView::ForgetRepaints() {
    requestedRects.clear();
    fullRepaintRequests = 0;
}

PixelPoint PixelView::PictureOf(const QMouseEvent* event) const {
    // Rounded down, so that a pointer left of or above the widget during a drag stays there.
    const QPointF point = event->position();
    return {static_cast<int>(std::floor(point.x() / zoom)),
            static_cast<int>(std::floor(point.y() / zoom))};
}

void PixelView::paintEvent(QPaintEvent* event) {
    // What was asked has now been shown: the record never outgrows one frame.
    requestedRects.clear();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const QRect& rect : event->region()) {
        // The picture's pixels that the rectangle touches, each drawn as a zoom x zoom square.
        const QRect source(QPoint(rect.left() / zoom, rect.top() / zoom),
                           QPoint(rect.right() / zoom, rect.bottom() / zoom));
        painter.drawImage(QRect(source.topLeft() * zoom, source.size() * zoom), Picture(), source);
    }
}

}  // namespace tessellix

#include "play/play_canvas.h"

#include <QMouseEvent>

PlayCanvas::PlayCanvas(QWidget* parent) : PixelView(parent) {}

QPoint PlayCanvas::At(const QMouseEvent* event) const {
    const PixelPoint point = PictureOf(event);
    return QPoint(point.x, point.y);
}

void PlayCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftPressed(At(event));
    }
}

void PlayCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftReleased(At(event));
    } else if (event->button() == Qt::RightButton) {
        emit rightReleased(At(event));
    }
}

void PlayCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    // Arrives in place of the second press of a double-click.
    if (event->button() == Qt::LeftButton) {
        emit leftDoubleClicked(At(event));
    }
}

void PlayCanvas::mouseMoveEvent(QMouseEvent* event) {
    emit moved(At(event));
}

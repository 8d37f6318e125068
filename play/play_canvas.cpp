#include "play/play_canvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PlayCanvas::PlayCanvas(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlayCanvas::RepaintRect(const PixelRect& rect) {
    const QRect area(rect.left, rect.top, rect.Width(), rect.Height());
    requestedRects.append(area);
    update(area);
}

void PlayCanvas::RepaintAll() {
    ++fullRepaintRequests;
    update();
}

void PlayCanvas::ForgetRepaints() {
    requestedRects.clear();
    fullRepaintRequests = 0;
}

void PlayCanvas::paintEvent(QPaintEvent* event) {
    // What was asked has now been shown: the record never outgrows one frame.
    requestedRects.clear();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (const QRect& rect : event->region()) {
        painter.drawImage(rect.topLeft(), surface.Image(), rect);
    }
}

void PlayCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftPressed(event->position().toPoint());
    }
}

void PlayCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit leftReleased(event->position().toPoint());
    } else if (event->button() == Qt::RightButton) {
        emit rightReleased(event->position().toPoint());
    }
}

void PlayCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    // Arrives in place of the second press of a double-click.
    if (event->button() == Qt::LeftButton) {
        emit leftDoubleClicked(event->position().toPoint());
    }
}

void PlayCanvas::mouseMoveEvent(QMouseEvent* event) {
    emit moved(event->position().toPoint());
}

#include "play/play_canvas.h"

#include <QPaintEvent>
#include <QPainter>

PlayCanvas::PlayCanvas(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlayCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QRect rect = event->rect();
    painter.drawImage(rect.topLeft(), surface.Image(), rect);
}

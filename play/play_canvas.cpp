#include "play/play_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace tessellix {

PlayCanvas::PlayCanvas(QWidget* parent) : PixelView(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

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

void PlayCanvas::wheelEvent(QWheelEvent* event) {
    const QPointF point = event->position() / Zoom();
    emit wheelTurned(QPoint(static_cast<int>(point.x()), static_cast<int>(point.y())),
                     event->angleDelta().y());
}

std::optional<BoardKey> PlayCanvas::BoardKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    switch (key) {
        case Qt::Key_Tab:
            return shift ? BoardKey::Backtab : BoardKey::Tab;
        case Qt::Key_Backtab:
            return BoardKey::Backtab;
        case Qt::Key_Left:
            return BoardKey::Left;
        case Qt::Key_Right:
            return BoardKey::Right;
        case Qt::Key_Up:
            return BoardKey::Up;
        case Qt::Key_Down:
            return BoardKey::Down;
        case Qt::Key_Space:
            return shift ? BoardKey::ShiftSpace : BoardKey::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return BoardKey::Return;
        case Qt::Key_Escape:
            return BoardKey::Escape;
        case Qt::Key_Delete:
            return BoardKey::Delete;
        default:
            return std::nullopt;
    }
}

void PlayCanvas::keyPressEvent(QKeyEvent* event) {
    const std::optional<BoardKey> key = BoardKeyOf(event->key(), event->modifiers());
    if (!key || !keyHandler || !keyHandler(*key)) {
        PixelView::keyPressEvent(event);
    }
}

bool PlayCanvas::focusNextPrevChild(bool) {
    return false;
}

QRegion PlayCanvas::FrameRegion(const PixelRect& frame) const {
    const QRect outer(frame.left * Zoom(), frame.top * Zoom(), frame.Width() * Zoom(),
                      frame.Height() * Zoom());
    return QRegion(outer) - QRegion(outer.adjusted(Zoom(), Zoom(), -Zoom(), -Zoom()));
}

void PlayCanvas::SetFocusFrame(std::optional<PixelRect> frame) {
    if (frame == focusFrame) {
        return;
    }
    if (focusFrame) {
        update(FrameRegion(*focusFrame));
    }
    focusFrame = frame;
    if (focusFrame) {
        update(FrameRegion(*focusFrame));
    }
}

void PlayCanvas::paintEvent(QPaintEvent* event) {
    PixelView::paintEvent(event);
    if (!focusFrame) {
        return;
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    QPen pen(Qt::black, Zoom(), Qt::DotLine);
    painter.setPen(pen);
    const int half = Zoom() / 2;
    painter.drawRect(QRect(focusFrame->left * Zoom() + half, focusFrame->top * Zoom() + half,
                           (focusFrame->Width() - 1) * Zoom(),
                           (focusFrame->Height() - 1) * Zoom()));
}

}  // namespace tessellix

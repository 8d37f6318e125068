#pragma once

#include <QPoint>
#include <functional>
#include <optional>

#include "model/board_key.h"
#include "platform/image_surface.h"
#include "platform/pixel_view.h"

namespace tessellix {

// The play canvas. It shows the window's surface, and over it the keyboard's focus frame; it
// reports the player's mouse in the surface's pixels, the wheel and the keys.
class PlayCanvas : public PixelView {
    Q_OBJECT
  public:
    explicit PlayCanvas(QWidget* parent = nullptr);

    ImageSurface& Surface() { return surface; }
    // A dotted frame over the picture, not part of it; nothing for none.
    void SetFocusFrame(std::optional<PixelRect> frame);
    const std::optional<PixelRect>& FocusFrame() const { return focusFrame; }
    // Called with each board key; a key it returns false for goes on as the widget's own, as
    // every key that is no board key does.
    void SetKeyHandler(std::function<bool(BoardKey key)> handler) {
        keyHandler = std::move(handler);
    }
    // The board key that a Qt key with these modifiers plays; none with Ctrl, Alt or Meta.
    static std::optional<BoardKey> BoardKeyOf(int key, Qt::KeyboardModifiers modifiers);

  signals:
    void leftPressed(QPoint point);
    void leftReleased(QPoint point);
    void leftDoubleClicked(QPoint point);
    void rightReleased(QPoint point);
    void moved(QPoint point);
    // Eighths of a degree, positive away from the player.
    void wheelTurned(QPoint point, int eighthsOfDegree);

  protected:
    const QImage& Picture() const override { return surface.Image(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab chooses elements here rather than moving the keyboard to another widget.
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QPoint At(const QMouseEvent* event) const;

    // The frame's pixels in the widget, for repainting it.
    QRegion FrameRegion(const PixelRect& frame) const;

    ImageSurface surface{kWidth, kHeight};
    std::optional<PixelRect> focusFrame;
    std::function<bool(BoardKey key)> keyHandler;
};

}  // namespace tessellix

#pragma once

#include <QWidget>

#include "platform/image_surface.h"

// The 600 x 400 play canvas. It shows the window's surface: a paint event copies only the
// rectangle asked for, so drawing code updates the surface and asks for that rectangle.
class PlayCanvas : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 600;
    static constexpr int kHeight = 400;

    explicit PlayCanvas(QWidget* parent = nullptr);

    ImageSurface& Surface() { return surface; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ImageSurface surface{kWidth, kHeight};
};

#pragma once

#include <QMainWindow>

#include "model/element_set.h"
#include "platform/image_surface.h"

class PlayCanvas;

inline constexpr Rgb kBoardGrey{192, 192, 192};
inline constexpr Rgb kBandGrey{128, 128, 128};

// The program's one top-level window: the play canvas with the bands, the board and the
// twelve elements.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Redraws the static picture: bands, bevel and board, never an element.
    void ComposeBackground();
    // Puts the background and the used elements on the window's surface.
    void Paint();

    ImageSurface& WindowSurface();
    const ImageSurface& BackgroundImage() const { return backgroundImage; }
    ElementSet& Elements() { return elements; }

  private:
    PlayCanvas* canvas = nullptr;
    ImageSurface backgroundImage{600, 400};
    ElementSet elements;
};

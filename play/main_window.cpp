#include "play/main_window.h"

#include "play/play_canvas.h"

namespace {

// Grey levels of the five bevel lines between the bands and the board, outermost first.
constexpr int kBevelLevels[5] = {224, 255, 192, 128, 0};

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), canvas(new PlayCanvas(this)) {
    setCentralWidget(canvas);
    setWindowTitle(QStringLiteral("Tessellix"));
    backgroundImage.SetBackgroundColour(kBoardGrey);
    ComposeBackground();
    Paint();
}

MainWindow::~MainWindow() = default;

ImageSurface& MainWindow::WindowSurface() {
    return canvas->Surface();
}

void MainWindow::ComposeBackground() {
    backgroundImage.FillRect({0, 0, 600, 400}, kBoardGrey);
    backgroundImage.FillRect({0, 0, 599, 75}, kBandGrey);
    backgroundImage.FillRect({0, 0, 105, 399}, kBandGrey);
    for (int k = 0; k < 5; ++k) {
        const auto level = static_cast<std::uint8_t>(kBevelLevels[k]);
        const Rgb colour{level, level, level};
        backgroundImage.Line({100 + k, 70 + k}, {100 + k, 399}, colour, 1);
        backgroundImage.Line({100 + k, 70 + k}, {599, 70 + k}, colour, 1);
    }
}

void MainWindow::Paint() {
    ImageSurface& window = WindowSurface();
    window.CopyFrom(backgroundImage, {0, 0, 600, 400}, {0, 0});
    for (Element& element : elements) {
        if (element.excluded == 0) {
            element.Draw(window, kCellSize, true);
        }
    }
    canvas->update();
}

// Prints what one drag step costs against one full repaint of the canvas, and how long the
// program takes from start to its first painted window.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "bench/median.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "play/board_view.h"
#include "play/play_canvas.h"

namespace tessellix {

namespace {

class FirstPaint : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

}  // namespace tessellix

int main(int argc, char* argv[]) {
    using namespace tessellix;
    QElapsedTimer startTimer;
    startTimer.start();
    QApplication application(argc, argv);
    QTemporaryDir data;
    PuzzleLibrary library;
    library.ScanDataFolder(data.path().toStdString());
    Settings settings;
    MainWindow window(library, settings);
    BoardView& board = window.Board();
    FirstPaint firstPaint;
    window.Canvas().installEventFilter(&firstPaint);
    window.show();
    while (!firstPaint.painted) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    const double startMs = startTimer.nsecsElapsed() / 1e6;

    constexpr int kRounds = 2000;
    BoardInput& input = board.Input();
    const Element& corner = board.Session().Elements()[4];
    QElapsedTimer timer;
    // The same drag and paints with every element's letter drawn, as the colour-blind fills have
    // them, for what the letters cost.
    for (const bool lettered : {false, true}) {
        board.SetElementLook(
            {lettered ? ElementPalette::ColourBlind : ElementPalette::Standard, lettered});
        std::vector<double> dragSteps;
        board.Apply(input.LeftPressed({corner.x + 7, corner.y + 7}));
        for (int i = 0; i < kRounds; ++i) {
            const PixelPoint point{120 + i % 400, 100 + (i * 7) % 250};
            timer.start();
            board.Apply(input.PointerMoved(point));
            dragSteps.push_back(timer.nsecsElapsed() / 1e3);
        }
        board.Apply(input.LeftReleased({700, 700}));

        std::vector<double> paints;
        for (int i = 0; i < kRounds / 10; ++i) {
            timer.start();
            board.Paint();
            paints.push_back(timer.nsecsElapsed() / 1e3);
        }

        const char* letters = lettered ? ", letters drawn" : "";
        std::printf(
            "drag step (the input read, the element's old and new rectangles composed "
            "again%s): median %.2f us\n",
            letters, Median(dragSteps));
        std::printf("full paint (copy 600 x 400 background, draw 12 elements%s): median %.2f us\n",
                    letters, Median(paints));
        std::printf("ratio full paint / drag step%s: %.1f\n", letters,
                    Median(paints) / Median(dragSteps));
    }
    std::printf("start to first painted window (platform %s): %.1f ms\n",
                qPrintable(QApplication::platformName()), startMs);
    return 0;
}

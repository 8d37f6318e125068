// Prints what one drag step costs against one full repaint of the canvas, what naming the
// whole board for a screen reader costs after a move, and how long the program takes from
// start to its first painted window.
#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/accessible_factory.h"
#include "app/main_window.h"
#include "bench/median.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "model/board_names.h"
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
    InstallGameAccessibleFactory();
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

    // A key move, then every cell and element named as a screen reader reads them: once from the
    // model, and once through the canvas's accessible interface, as the bridge asks.
    QAccessibleInterface* canvas = QAccessible::queryAccessibleInterface(&window.Canvas());
    std::vector<double> modelNaming;
    std::vector<double> interfaceNaming;
    std::size_t spoken = 0;
    board.Apply(input.KeyPressed(BoardKey::Tab));
    for (int i = 0; i < kRounds / 10; ++i) {
        board.Apply(input.KeyPressed(i % 20 < 10 ? BoardKey::Right : BoardKey::Left));
        timer.start();
        const BoardNames names(board.Session());
        for (int row = 1; row <= names.Rows(); ++row) {
            for (int column = 1; column <= names.Columns(); ++column) {
                spoken += names.CellName({row, column}).Shown().size();
            }
        }
        for (const int element : names.UsedElements()) {
            spoken += names.ElementName(element).Shown().size();
            spoken += names.ElementDescription(element).Shown().size();
        }
        modelNaming.push_back(timer.nsecsElapsed() / 1e3);
        timer.start();
        for (int child = 0; child < canvas->childCount(); ++child) {
            QAccessibleInterface* part = canvas->child(child);
            spoken += part->text(QAccessible::Name).size();
            for (int item = 0; item < part->childCount(); ++item) {
                spoken += part->child(item)->text(QAccessible::Name).size();
                spoken += part->child(item)->text(QAccessible::Description).size();
            }
        }
        interfaceNaming.push_back(timer.nsecsElapsed() / 1e3);
    }
    const BoardNames names(board.Session());
    std::printf(
        "naming every cell (%d) and element (%zu) after a move, from the model: median "
        "%.2f us; through the accessible interfaces: median %.2f us (one frame: 16667 us; "
        "%zu characters)\n",
        names.Rows() * names.Columns(), names.UsedElements().size(), Median(modelNaming),
        Median(interfaceNaming), spoken);
    std::printf("start to first painted window (platform %s): %.1f ms\n",
                qPrintable(QApplication::platformName()), startMs);
    return 0;
}

// Prints what the Select-puzzle dialog costs over a library of 3000 puzzles: opening it up to its
// first paint, and one step of the selection with the preview drawn; and, to compare, one switch
// of the play board to another puzzle.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QListWidget>
#include <QPaintEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <vector>

#include "bench/median.h"
#include "dialogs/select_puzzle_dialog.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "play/board_view.h"
#include "play/play_canvas.h"

namespace tessellix {

namespace {

constexpr int kPuzzles = 3000;
constexpr int kOpenRuns = 7;
constexpr int kSteps = 200;
constexpr int kSwitches = 100;

// Notes whether a paint of the dialog reached the given point.
class PaintWatch : public QObject {
  public:
    QPoint point;
    bool painted = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint &&
            (point.isNull() || static_cast<QPaintEvent*>(event)->region().contains(point))) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Blocks of 6 to 15 columns by 4 rows, named in both languages, every element placed.
void WritePuzzle(const QString& path, int number) {
    PuzzleFileData data;
    const int columns = 6 + number % 10;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < columns; ++c) {
            data.grid[(r + 2) * kGridSide + c + 1] = 1;
        }
    }
    for (int i = 0; i < kElementRecordCount; ++i) {
        data.elements[i] = {true, true, i % 4, i % 2, i % 10, i % 4};
    }
    data.texts.names = {"Задание номер " + std::to_string(number),
                        "Puzzle number " + std::to_string(number)};
    data.texts.comments = {"Комментарий", "A comment"};
    std::ofstream(path.toStdString(), std::ios::binary) << *EncodePuzzleFile(data);
}

// Runs the event loop until the watch has seen its paint.
void WaitForPaint(PaintWatch& watch) {
    while (!watch.painted) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
}

}  // namespace

}  // namespace tessellix

int main(int argc, char* argv[]) {
    using namespace tessellix;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    QTemporaryDir data;
    for (int number = 1; number <= kPuzzles; ++number) {
        WritePuzzle(QDir(data.path()).filePath(QString("%1.TLX").arg(number)), number);
    }
    PuzzleLibrary library;
    library.ScanDataFolder(data.path().toStdString());
    Settings settings(QDir(data.path()).filePath("tessellix.ini").toStdString());
    std::printf("library: %d puzzles, platform %s\n", library.count(),
                qPrintable(QApplication::platformName()));

    for (const int preview : {0, 1}) {
        std::vector<double> opens;
        for (int run = 0; run < kOpenRuns; ++run) {
            settings.WritePreviewSetting(preview);
            QElapsedTimer timer;
            timer.start();
            SelectPuzzleDialog dialog(library, settings, kPuzzles / 2, nullptr);
            PaintWatch watch;
            dialog.installEventFilter(&watch);
            dialog.show();
            WaitForPaint(watch);
            opens.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("open, construct to first paint, preview %s: median %.2f ms (%d runs)\n",
                    preview != 0 ? "on " : "off", Median(opens), kOpenRuns);
    }

    settings.WritePreviewSetting(1);
    SelectPuzzleDialog dialog(library, settings, 0, nullptr);
    PaintWatch watch;
    dialog.installEventFilter(&watch);
    dialog.show();
    WaitForPaint(watch);
    auto* list = dialog.findChild<QListWidget*>("puzzleList");
    const QRect listPlace = list->geometry();
    // A point inside the preview area, right of the list and below the box.
    watch.point = QPoint(listPlace.right() + (dialog.width() - listPlace.right()) / 2,
                         listPlace.bottom() - 20);
    std::vector<double> steps;
    for (int step = 0; step < kSteps; ++step) {
        QElapsedTimer timer;
        timer.start();
        watch.painted = false;
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
        QApplication::sendEvent(list, &release);
        WaitForPaint(watch);
        steps.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf(
        "selection step with preview, key to painted preview: median %.3f ms, "
        "worst %.3f ms (%d steps, ended at %d)\n",
        Median(steps), *std::max_element(steps.begin(), steps.end()), kSteps, dialog.Selected());

    PlayCanvas canvas;
    BoardView board(library, canvas);
    std::vector<double> switches;
    for (int i = 0; i < kSwitches; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (const auto failure = board.Session().SwitchToPuzzle((i * 37) % kPuzzles)) {
            std::fprintf(stderr, "%s\n", failure->Message().In(Language::English).c_str());
            return 1;
        }
        board.ComposeBackground();
        board.Paint();
        switches.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("board switch (SwitchToPuzzle, ComposeBackground, Paint): median %.3f ms (%d)\n",
                Median(switches), kSwitches);
    return 0;
}

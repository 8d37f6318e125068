// Prints what one step of a stroke across the editor's canvas costs, with the area it asks to
// repaint, and what an Open of a 60-cell puzzle costs.
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/main_window.h"
#include "bench/median.h"
#include "editor/editor_window.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "library/settings.h"

namespace tessellix {

namespace {

void Send(QWidget& target, QEvent::Type type, QPoint point, Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(point), target.mapToGlobal(QPointF(point)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
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
    PuzzleFileData puzzle;
    for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 10; ++c) {
            puzzle.grid[(6 + r) * kGridSide + 10 + c] = 1;
        }
    }
    puzzle.texts.names = {"Прямоугольник", "Rectangle"};
    if (WritePuzzleFile(data.filePath("1.TLX").toStdString(), puzzle)) {
        std::printf("could not write the puzzle\n");
        return 1;
    }
    PuzzleLibrary library;
    library.ScanDataFolder(data.path().toStdString());
    Settings settings;
    MainWindow window(library, settings);
    window.show();
    window.RunCommand(kCommandEditor);
    EditorWindow& editor = *window.Editor();
    QApplication::processEvents();

    // One pointer position per cell, row by row, the whole canvas.
    std::vector<double> steps;
    std::vector<int> areas;
    QElapsedTimer timer;
    Send(editor, QEvent::MouseButtonPress, QPoint(127, 117), Qt::LeftButton);
    for (int cell = 1; cell < kCanvasColumns * kCanvasRows; ++cell) {
        const QPoint point(127 + 15 * (cell % kCanvasColumns), 117 + 15 * (cell / kCanvasColumns));
        editor.ForgetRepaints();
        timer.start();
        Send(editor, QEvent::MouseMove, point, Qt::LeftButton);
        steps.push_back(timer.nsecsElapsed() / 1e3);
        int area = 0;
        for (const QRect& rect : editor.RequestedRects()) {
            area += rect.width() * rect.height();
        }
        areas.push_back(area);
    }
    Send(editor, QEvent::MouseButtonRelease, QPoint(577, 387), Qt::NoButton);
    const int filled = editor.Session().CellCount();

    std::vector<double> opens;
    for (int run = 0; run < 200; ++run) {
        timer.start();
        if (const auto failure = editor.OpenPuzzle(0)) {
            std::fprintf(stderr, "%s\n", failure->Message().In(Language::English).c_str());
            return 1;
        }
        opens.push_back(timer.nsecsElapsed() / 1e3);
    }

    std::printf("stroke step (one cell filled, counter redrawn): median %.2f us over %zu steps\n",
                Median(steps), steps.size());
    std::printf(
        "area asked to repaint per step: %d to %d pixels (a cell's interior is 196, the "
        "window 240000)\n",
        *std::min_element(areas.begin(), areas.end()),
        *std::max_element(areas.begin(), areas.end()));
    std::printf("cells filled by the stroke: %d\n", filled);
    std::printf("Open of a 60-cell puzzle: median %.1f us (%zu runs)\n", Median(opens),
                opens.size());
    return 0;
}

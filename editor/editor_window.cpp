#include "editor/editor_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <string>

#include "library/bilingual_text.h"
#include "model/board_frame.h"
#include "platform/cursors.h"

namespace tessellix {

namespace {

constexpr Rgb kFilled{255, 255, 0};
constexpr Rgb kCrossRed{255, 0, 0};
constexpr int kCrossWidth = 3;
// The title line stands 22 to 7 pixels above the canvas; the label and counter share it.
constexpr int kTitleAbove = 22;
constexpr int kTitleHeight = 15;
constexpr int kLabelGap = 5;
// Between a solution count and the counter's label, so that the two read apart.
constexpr int kCountGap = 15;
constexpr int kCounterWeight = 600;
const char kCounterTemplate[] = "000/00";
const BilingualText kLabel{"Ячеек:", "Cells:"};
constexpr PixelRect kCanvasRect = EditorSession::kCanvasRect;

// A canvas cell inside its border lines.
PixelRect Interior(EditorSession::CanvasCell cell) {
    const int left = kCanvasRect.left + kCellSize * cell.column + 1;
    const int top = kCanvasRect.top + kCellSize * cell.row + 1;
    return {left, top, left + kCellSize - 1, top + kCellSize - 1};
}

}  // namespace

EditorWindow::EditorWindow(PuzzleLibrary& /*library*/, PlaySession& play, QWidget* parent)
    : PixelView(parent),
      session(play.Position()),
      titleRect{kCanvasRect.left, kCanvasRect.top - kTitleAbove, kCanvasRect.right,
                kCanvasRect.top - kTitleAbove + kTitleHeight} {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    backBuffer.SetBackgroundColour(kBoardGrey);
    // The player's letters and fills hold at home in the editor as on the board.
    session.Elements().SetLook(play.Elements().Look());
    DrawBackground();
}

void EditorWindow::DrawBackground() {
    DrawBoardFrame(backBuffer, {kWidth, kHeight});
    for (Element& element : session.Elements()) {
        element.DrawAtHome(backBuffer);
    }
    session.Canvas().Draw(backBuffer, kCellSize, true);

    const FontSpec counterFont{"Arial", titleRect.Height(), kCounterWeight, false};
    const std::string& label = kLabel.Shown();
    const int counterWidth = backBuffer.MeasureText(kCounterTemplate, counterFont).width;
    const int labelWidth = backBuffer.MeasureText(label, counterFont).width;
    titleRect.right = titleRect.left + kCanvasRect.Width() - counterWidth - labelWidth - kLabelGap;
    DrawTitleLine(true);

    const PixelRect labelRect{titleRect.right + kLabelGap, titleRect.top,
                              titleRect.right + kLabelGap + labelWidth, titleRect.bottom};
    backBuffer.DrawTextLine(labelRect, label, {"MS Sans Serif", titleRect.Height(), 400, false},
                            kBlack, TextAlign::Left);
    counterRect = {labelRect.right, titleRect.top, labelRect.right + counterWidth,
                   titleRect.bottom};
    DrawCounter();
}

void EditorWindow::DrawCounter() {
    backBuffer.FillRect(counterRect, kBoardGrey);
    backBuffer.DrawTextLine(counterRect, session.CounterText(),
                            {"Arial", counterRect.Height(), kCounterWeight, false}, kBlack,
                            TextAlign::Right);
    RepaintRect(counterRect);
}

void EditorWindow::DrawTitleLine(bool withComment) {
    backBuffer.FillRect(titleRect, kBoardGrey);
    PixelRect nameRect = titleRect;
    countRect = {};
    if (!solutionCount.IsEmpty()) {
        const FontSpec font{"Arial", titleRect.Height(), kCounterWeight, false};
        const std::string& text = solutionCount.Shown();
        const int right = titleRect.right - kCountGap;
        const int width =
            std::min(backBuffer.MeasureText(text, font).width, right - titleRect.left);
        countRect = {right - width, titleRect.top, right, titleRect.bottom};
        backBuffer.DrawTextLine(countRect, text, font, kBlack, TextAlign::Right);
        nameRect.right = countRect.left - kLabelGap;
    }
    session.Canvas().DrawTitle(backBuffer, nameRect, withComment);
    RepaintRect(titleRect);
}

void EditorWindow::ShowSolutionCount(const BilingualText& text, std::uint64_t distinct) {
    solutionCount = text;
    shownSolutions = distinct;
    DrawTitleLine(false);
}

void EditorWindow::DropSolutionCount() {
    shownSolutions.reset();
    if (!solutionCount.IsEmpty()) {
        solutionCount = {};
        DrawTitleLine(false);
    }
}

void EditorWindow::DrawCell(EditorSession::CanvasCell cell) {
    backBuffer.FillRect(Interior(cell),
                        session.Canvas().Cell(cell.row, cell.column) == 2 ? kFilled : kPuzzleFill);
}

void EditorWindow::ApplyStroke(PixelPoint point) {
    const std::optional<EditorSession::CanvasCell> cell = EditorSession::CellAt(point);
    if (mouseMode == NoStroke || !cell) {
        return;
    }
    if (mouseMode == FillStroke ? session.Fill(*cell) : session.Erase(*cell)) {
        DrawCell(*cell);
        DropSolutionCount();
    }
    DrawCounter();
    RepaintRect(Interior(*cell));
}

void EditorWindow::ToggleElement(int index) {
    session.ToggleElement(index);
    DropSolutionCount();
    Element& element = session.Elements()[index];
    if (element.excluded != 0) {
        DrawCross(element);
    } else {
        // Drawing it at home repaints its whole box, which takes the cross away.
        element.DrawAtHome(backBuffer);
    }
    DrawCounter();
    RepaintRect(element.GetBoxRect());
}

void EditorWindow::DrawCross(const Element& element) {
    const PixelRect box = element.GetBoxRect();
    backBuffer.Line({box.left + 2, box.top + 2}, {box.right - 2, box.bottom - 2}, kCrossRed,
                    kCrossWidth);
    backBuffer.Line({box.left + 2, box.bottom - 2}, {box.right - 2, box.top + 2}, kCrossRed,
                    kCrossWidth);
}

void EditorWindow::ButtonDown(Qt::MouseButton button, PixelPoint point) {
    if (button == Qt::RightButton) {
        mouseMode = EraseStroke;
        ApplyStroke(point);
        return;
    }
    if (button != Qt::LeftButton) {
        return;
    }
    if (EditorSession::CellAt(point)) {
        mouseMode = FillStroke;
        ApplyStroke(point);
        return;
    }
    // Every element whose rectangle holds the point, should two ever overlap.
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Element& element = session.Elements()[i];
        if (element.HitTest(point, false) == element.id) {
            ToggleElement(i);
        }
    }
}

void EditorWindow::mousePressEvent(QMouseEvent* event) {
    ButtonDown(event->button(), PictureOf(event));
}

void EditorWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    ButtonDown(event->button(), PictureOf(event));
}

void EditorWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
        mouseMode = NoStroke;
    }
}

void EditorWindow::mouseMoveEvent(QMouseEvent* event) {
    const PixelPoint point = PictureOf(event);
    ApplyStroke(point);
    ShowCursorFor(point);
}

void EditorWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void EditorWindow::ShowCursorFor(PixelPoint point) {
    if (EditorSession::CellAt(point)) {
        setCursor(PencilCursor());
        return;
    }
    const ElementSet& elements = session.Elements();
    const bool onElement = std::any_of(elements.begin(), elements.end(), [&](const Element& e) {
        return e.HitTest(point, false) == e.id;
    });
    if (onElement) {
        setCursor(HandCursor());
    } else {
        unsetCursor();
    }
}

std::optional<Failure> EditorWindow::OpenPuzzle(int position) {
    std::optional<Failure> failure = session.Open(position);
    // Every cell as an empty one first, as the blank canvas has them, then the filled ones.
    for (int row = 0; row < kCanvasRows; ++row) {
        for (int column = 0; column < kCanvasColumns; ++column) {
            const PixelRect inside = Interior({column, row});
            backBuffer.FrameRect(
                {inside.left - 1, inside.top - 1, inside.right + 1, inside.bottom + 1}, kPuzzlePen,
                kPuzzleFill);
            DrawCell({column, row});
        }
    }
    session.Canvas().DrawOutline(backBuffer, kBlack);

    solutionCount = {};
    shownSolutions.reset();
    DrawTitleLine(false);
    for (Element& element : session.Elements()) {
        element.DrawAtHome(backBuffer);
        if (element.excluded != 0) {
            DrawCross(element);
        }
    }
    DrawCounter();
    RepaintAll();
    return failure;
}

}  // namespace tessellix

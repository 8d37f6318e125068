#include "editor/editor_window.h"

#include <QMouseEvent>
#include <algorithm>
#include <string>

#include "model/board_frame.h"
#include "model/language.h"
#include "platform/cursors.h"

namespace {

constexpr Rgb kFilled{255, 255, 0};
constexpr Rgb kCrossRed{255, 0, 0};
constexpr int kCrossWidth = 3;
// The title line stands 22 to 7 pixels above the canvas; the label and counter share it.
constexpr int kTitleAbove = 22;
constexpr int kTitleHeight = 15;
constexpr int kLabelGap = 5;
constexpr int kCounterWeight = 600;
const char kCounterTemplate[] = "000/00";
const std::string kLabel[2] = {"Ячеек:", "Cells:"};

bool Contains(const PixelRect& rect, PixelPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top &&
           point.y < rect.bottom;
}

}  // namespace

EditorWindow::EditorWindow(PuzzleLibrary& owner, QWidget* parent)
    : PixelView(parent), library(owner), savedPlayIndex(owner.currentPuzzleIndex) {
    library.currentPuzzleIndex = 0;
    setMouseTracking(true);
    backBuffer.SetBackgroundColour(kBoardGrey);

    // The blank canvas is centred on the board, then moved down to make room for the title
    // line above it.
    canvas = CreateBlankPuzzle(kCanvasColumns, kCanvasRows);
    titleRect = canvas->GetRect();
    titleRect.top += kCellSize;
    canvas->SetPosition(kCanvasRect.left, kCanvasRect.top);
    canvasRect = canvas->GetRect();
    titleRect.top = canvasRect.top - kTitleAbove;
    titleRect.bottom = titleRect.top + kTitleHeight;
    DrawBackground();
}

EditorWindow::~EditorWindow() {
    library.currentPuzzleIndex = savedPlayIndex;
}

void EditorWindow::DrawBackground() {
    DrawBoardFrame(backBuffer, {600, 400});
    for (Element& element : elements) {
        element.DrawAtHome(backBuffer);
    }
    canvas->Draw(backBuffer, kCellSize, true);

    const FontSpec counterFont{"Arial", titleRect.Height(), kCounterWeight, false};
    const std::string& label = kLabel[currentLanguage];
    const int counterWidth = backBuffer.MeasureText(kCounterTemplate, counterFont).width;
    const int labelWidth = backBuffer.MeasureText(label, counterFont).width;
    titleRect.right = titleRect.left + canvasRect.Width() - counterWidth - labelWidth - kLabelGap;
    canvas->DrawTitle(backBuffer, titleRect, true);

    const PixelRect labelRect{titleRect.right + kLabelGap, titleRect.top,
                              titleRect.right + kLabelGap + labelWidth, titleRect.bottom};
    backBuffer.DrawTextLine(labelRect, label, {"MS Sans Serif", titleRect.Height(), 400, false},
                            kBlack, TextAlign::Left);
    counterRect = {labelRect.right, titleRect.top, labelRect.right + counterWidth,
                   titleRect.bottom};
    DrawCounter();
}

std::string EditorWindow::CounterText() const {
    return std::to_string(cellCount) + "/" + std::to_string(kElementCells * selectedCount);
}

void EditorWindow::DrawCounter() {
    backBuffer.FillRect(counterRect, kBoardGrey);
    backBuffer.DrawTextLine(counterRect, CounterText(),
                            {"Arial", counterRect.Height(), kCounterWeight, false}, kBlack,
                            TextAlign::Right);
    RepaintRect(counterRect);
}

void EditorWindow::ApplyStroke(PixelPoint point) {
    if (mouseMode == NoStroke || !Contains(canvasRect, point)) {
        return;
    }
    const int column = (point.x - canvasRect.left) / kCellSize;
    const int row = (point.y - canvasRect.top) / kCellSize;
    const int left = canvasRect.left + kCellSize * column + 1;
    const int top = canvasRect.top + kCellSize * row + 1;
    const PixelRect interior{left, top, left + kCellSize - 1, top + kCellSize - 1};
    const int cell = canvas->Cell(row, column);
    if (mouseMode == FillStroke && cell == 1) {
        canvas->SetCell(row, column, 2);
        backBuffer.FillRect(interior, kFilled);
        ++cellCount;
        cellsChanged = true;
    } else if (mouseMode == EraseStroke && cell == 2) {
        canvas->SetCell(row, column, 1);
        backBuffer.FillRect(interior, kPuzzleFill);
        --cellCount;
        cellsChanged = true;
    }
    DrawCounter();
    RepaintRect(interior);
}

void EditorWindow::ToggleElement(Element& element) {
    if (element.excluded == 0) {
        element.excluded = 1;
        DrawCross(element);
        --selectedCount;
    } else {
        // Drawing it at home repaints its whole box, which takes the cross away.
        element.excluded = 0;
        element.DrawAtHome(backBuffer);
        ++selectedCount;
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
    if (Contains(canvasRect, point)) {
        mouseMode = FillStroke;
        ApplyStroke(point);
        return;
    }
    // Every element whose rectangle holds the point, should two ever overlap.
    for (Element& element : elements) {
        if (element.HitTest(point, false) == element.id) {
            ToggleElement(element);
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

void EditorWindow::ShowCursorFor(PixelPoint point) {
    if (Contains(canvasRect, point)) {
        setCursor(PencilCursor());
        return;
    }
    const bool onElement = std::any_of(elements.begin(), elements.end(), [&](const Element& e) {
        return e.HitTest(point, false) == e.id;
    });
    if (onElement) {
        setCursor(HandCursor());
    } else {
        unsetCursor();
    }
}

int EditorWindow::OpenPuzzle() {
    const PuzzleRecord* record = library.RecordAt(library.currentPuzzleIndex);
    if (record == nullptr) {
        return 0;
    }
    PuzzleShape loaded;
    loaded.Load(library.PathOf(*record), elements);
    const int columns = loaded.width / kCellSize;
    const int rows = loaded.height / kCellSize;
    // Centred, an odd cell left over going right and down; a puzzle taller than the canvas
    // starts at its top, its last rows kept below the canvas where they cannot be edited.
    const int columnOffset = std::max(0, (kCanvasColumns - columns) / 2);
    const int rowOffset = std::max(0, (kCanvasRows - rows) / 2);

    for (int r = 0; r < canvas->side; ++r) {
        for (int c = 0; c < canvas->side; ++c) {
            canvas->SetCell(r, c, r < kCanvasRows ? 1 : 0);
        }
    }
    canvas->Draw(backBuffer, kCellSize, true);
    cellCount = 0;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            if (loaded.Cell(j, i) == 0) {
                continue;
            }
            const int row = rowOffset + j;
            const int column = columnOffset + i;
            canvas->SetCell(row, column, 2);
            ++cellCount;
            if (row < kCanvasRows) {
                const int left = canvasRect.left + kCellSize * column + 1;
                const int top = canvasRect.top + kCellSize * row + 1;
                backBuffer.FillRect({left, top, left + kCellSize - 1, top + kCellSize - 1},
                                    kFilled);
            }
        }
    }

    backBuffer.FillRect(titleRect, kBoardGrey);
    loaded.DrawTitle(backBuffer, titleRect, false);
    selectedCount = 0;
    for (Element& element : elements) {
        element.DrawAtHome(backBuffer);
        if (element.excluded == 0) {
            ++selectedCount;
        } else {
            DrawCross(element);
        }
    }
    isNewPuzzle = false;
    cellsChanged = false;
    DrawCounter();
    RepaintAll();
    return NumberOf(record->fileName);
}

PuzzleFileData EditorWindow::FileData(const PuzzleTexts& texts) const {
    PuzzleFileData data;
    // A stored solution holds only for the cells it was found on.
    const bool keepsSolution = !isNewPuzzle && !cellsChanged;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Element& element = elements[i];
        const bool used = element.excluded == 0;
        const bool placed = used && keepsSolution && element.StoredSolution().IsStored();
        data.elements[i] = {used, placed, placed ? element.StoredSolution() : Placement{}};
    }
    for (int r = 0; r < kGridSide; ++r) {
        for (int c = 0; c < kGridSide; ++c) {
            data.grid[r * kGridSide + c] = canvas->Cell(r, c) == 2 ? 1 : 0;
        }
    }
    data.texts = texts;
    return data;
}

void EditorWindow::RemoveRecord(int position) {
    if (library.Remove(position) && position < savedPlayIndex) {
        --savedPlayIndex;
    }
}

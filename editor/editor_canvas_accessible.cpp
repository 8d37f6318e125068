#include "editor/editor_canvas_accessible.h"

#include "editor/editor_window.h"
#include "platform/window_text.h"

namespace tessellix {

namespace {

const BilingualText kCanvasName{"Холст редактора", "Editor canvas"};
const BilingualText kCounter{"Заполнено клеток / клеток в элементах: ",
                             "Filled cells / cells of the elements: "};

}  // namespace

EditorCanvasAccessible::EditorCanvasAccessible(EditorWindow* editor) : AccessibleGrid(editor) {}

const EditorWindow& EditorCanvasAccessible::Editor() const {
    return *static_cast<const EditorWindow*>(object());
}

QString EditorCanvasAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name) {
        return Shown(kCanvasName);
    }
    if (type == QAccessible::Description) {
        return Shown(BilingualText(kCounter).Add(Editor().Session().CounterText()));
    }
    return AccessibleGrid::text(type);
}

int EditorCanvasAccessible::Rows() const {
    return kCanvasRows;
}

int EditorCanvasAccessible::Columns() const {
    return kCanvasColumns;
}

QString EditorCanvasAccessible::CellName(int row, int column) const {
    return Editor().Session().Canvas().Cell(row, column) == 2 ? Shown({"заполнена", "filled"})
                                                              : Shown({"пуста", "empty"});
}

QRect EditorCanvasAccessible::CellRect(int row, int column) const {
    const EditorWindow& editor = Editor();
    const PixelRect canvas = EditorSession::kCanvasRect;
    const int zoom = editor.Zoom();
    const QPoint corner((canvas.left + column * kCellSize) * zoom,
                        (canvas.top + row * kCellSize) * zoom);
    return {editor.mapToGlobal(corner), QSize(kCellSize * zoom, kCellSize * zoom)};
}

}  // namespace tessellix

#include "platform/accessible_grid_cell.h"

#include "platform/accessible_grid.h"

namespace tessellix {

AccessibleGridCell::AccessibleGridCell(const AccessibleGrid& grid, int row, int column)
    : grid(grid), row(row), column(column) {}

bool AccessibleGridCell::isValid() const {
    return grid.isValid() && row < grid.Rows() && column < grid.Columns();
}

QWindow* AccessibleGridCell::window() const {
    return grid.window();
}

QAccessibleInterface* AccessibleGridCell::parent() const {
    return const_cast<AccessibleGrid*>(&grid);
}

QString AccessibleGridCell::text(QAccessible::Text type) const {
    return type == QAccessible::Name && isValid() ? grid.CellName(row, column) : QString();
}

QRect AccessibleGridCell::rect() const {
    return isValid() ? grid.CellRect(row, column) : QRect();
}

QAccessible::State AccessibleGridCell::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    return state;
}

void* AccessibleGridCell::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface) {
        return static_cast<QAccessibleTableCellInterface*>(this);
    }
    return nullptr;
}

}  // namespace tessellix

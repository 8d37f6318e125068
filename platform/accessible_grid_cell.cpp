#include "platform/accessible_grid_cell.h"

#include <utility>

namespace tessellix {

AccessibleGridCell::AccessibleGridCell(QAccessibleInterface& table, int row, int column,
                                       std::function<QString()> name, std::function<QRect()> place)
    : grid(table), row(row), column(column), name(std::move(name)), place(std::move(place)) {}

bool AccessibleGridCell::isValid() const {
    const QAccessibleTableInterface* table = grid.isValid() ? grid.tableInterface() : nullptr;
    return table != nullptr && row < table->rowCount() && column < table->columnCount();
}

QWindow* AccessibleGridCell::window() const {
    return grid.window();
}

QAccessibleInterface* AccessibleGridCell::parent() const {
    return &grid;
}

QString AccessibleGridCell::text(QAccessible::Text type) const {
    return type == QAccessible::Name && isValid() ? name() : QString();
}

QRect AccessibleGridCell::rect() const {
    return isValid() ? place() : QRect();
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

#include "platform/accessible_grid.h"

#include "platform/accessible_grid_cell.h"

namespace tessellix {

AccessibleGrid::AccessibleGrid(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Table) {}

AccessibleGrid::~AccessibleGrid() {
    DropCells();
}

void AccessibleGrid::DropCells() const {
    for (const QAccessible::Id id : cellIds) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    cellIds.clear();
}

void* AccessibleGrid::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) {
        return static_cast<QAccessibleTableInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

int AccessibleGrid::childCount() const {
    return Rows() * Columns() + ExtraCount();
}

QAccessibleInterface* AccessibleGrid::cellAt(int row, int column) const {
    if (row < 0 || row >= Rows() || column < 0 || column >= Columns()) {
        return nullptr;
    }
    if (idRows != Rows() || idColumns != Columns()) {
        DropCells();
        idRows = Rows();
        idColumns = Columns();
    }
    cellIds.resize(static_cast<std::size_t>(idRows) * idColumns, 0);
    QAccessible::Id& id = cellIds[row * idColumns + column];
    if (id == 0) {
        auto* grid = const_cast<AccessibleGrid*>(this);
        id = QAccessible::registerAccessibleInterface(new AccessibleGridCell(
            *grid, row, column, [this, row, column] { return CellName(row, column); },
            [this, row, column] { return CellRect(row, column); }));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* AccessibleGrid::child(int index) const {
    const int cells = Rows() * Columns();
    if (index < 0 || index >= childCount()) {
        return nullptr;
    }
    return index < cells ? cellAt(index / Columns(), index % Columns()) : Extra(index - cells);
}

int AccessibleGrid::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr) {
        return -1;
    }
    if (child->role() == QAccessible::Cell && child->parent() == this) {
        const auto* cell = static_cast<const AccessibleGridCell*>(child);
        return cell->rowIndex() * Columns() + cell->columnIndex();
    }
    for (int extra = 0; extra < ExtraCount(); ++extra) {
        if (Extra(extra) == child) {
            return Rows() * Columns() + extra;
        }
    }
    return -1;
}

QAccessibleInterface* AccessibleGrid::childAt(int x, int y) const {
    for (int row = 0; row < Rows(); ++row) {
        for (int column = 0; column < Columns(); ++column) {
            if (CellRect(row, column).contains(x, y)) {
                return cellAt(row, column);
            }
        }
    }
    return nullptr;
}

QString AccessibleGrid::columnDescription(int column) const {
    return QString::number(column + 1);
}

QString AccessibleGrid::rowDescription(int row) const {
    return QString::number(row + 1);
}

void AccessibleGrid::TellCellChanges() {
    if (toldRows != Rows() || toldColumns != Columns()) {
        toldRows = Rows();
        toldColumns = Columns();
        toldNames.assign(static_cast<std::size_t>(toldRows) * toldColumns, QString());
        for (int row = 0; row < toldRows; ++row) {
            for (int column = 0; column < toldColumns; ++column) {
                toldNames[row * toldColumns + column] = CellName(row, column);
            }
        }
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
        return;
    }
    for (int row = 0; row < toldRows; ++row) {
        for (int column = 0; column < toldColumns; ++column) {
            QString name = CellName(row, column);
            QString& told = toldNames[row * toldColumns + column];
            if (name != told) {
                told = std::move(name);
                QAccessibleEvent event(cellAt(row, column), QAccessible::NameChanged);
                QAccessible::updateAccessibility(&event);
            }
        }
    }
}

}  // namespace tessellix

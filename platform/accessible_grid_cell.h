#pragma once

#include <QAccessibleInterface>
#include <functional>

namespace tessellix {

// One cell of a table's interface, named and placed on the screen by the functions it is given;
// valid while the table holds its row and column.
class AccessibleGridCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    AccessibleGridCell(QAccessibleInterface& table, int row, int column,
                       std::function<QString()> name, std::function<QRect()> place);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QAccessibleInterface& grid;
    int row;
    int column;
    std::function<QString()> name;
    std::function<QRect()> place;
};

}  // namespace tessellix

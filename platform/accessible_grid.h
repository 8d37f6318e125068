#pragma once

#include <QAccessibleWidget>
#include <QRect>
#include <QString>
#include <vector>

namespace tessellix {

// A widget that screen readers read as a table of cells, its rows and columns from 0 here and
// from 1 in every text. The cells are interfaces of their own, kept as long as the grid's size;
// a subclass names them and may add children after the cells.
class AccessibleGrid : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit AccessibleGrid(QWidget* widget);
    ~AccessibleGrid() override;

    virtual int Rows() const = 0;
    virtual int Columns() const = 0;
    // 0 <= row < Rows(), 0 <= column < Columns().
    virtual QString CellName(int row, int column) const = 0;
    // On the screen.
    virtual QRect CellRect(int row, int column) const = 0;
    // The children after the cells.
    virtual int ExtraCount() const { return 0; }
    virtual QAccessibleInterface* Extra(int) const { return nullptr; }

    // Tells the screen reader of each cell whose name changed since the last call, and of a new
    // size as a new table.
    void TellCellChanges();

    QAccessible::Role role() const override { return QAccessible::Table; }
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return Columns(); }
    int rowCount() const override { return Rows(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    // The cells' interfaces are made as a reader asks for them and dropped with a new size.
    void DropCells() const;

    mutable std::vector<QAccessible::Id> cellIds;
    mutable int idRows = 0;
    mutable int idColumns = 0;
    std::vector<QString> toldNames;
    int toldRows = -1;
    int toldColumns = -1;
};

}  // namespace tessellix

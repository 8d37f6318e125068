#pragma once

#include "platform/accessible_grid.h"

namespace tessellix {

class EditorWindow;

// The editor's canvas for screen readers: a table of its cells, each "filled" or "empty", with
// the cell counter in its description.
class EditorCanvasAccessible : public AccessibleGrid {
  public:
    explicit EditorCanvasAccessible(EditorWindow* editor);

    QString text(QAccessible::Text type) const override;
    int Rows() const override;
    int Columns() const override;
    QString CellName(int row, int column) const override;
    QRect CellRect(int row, int column) const override;

  private:
    const EditorWindow& Editor() const;
};

}  // namespace tessellix

#pragma once

#include <array>
#include <vector>

#include "model/element_set.h"
#include "model/input_outcome.h"
#include "platform/accessible_grid.h"
#include "play/board_listener.h"

namespace tessellix {

class BoardReader;
class PlayCanvas;

// The play canvas for screen readers: a table named "Board" whose cells are those of the
// puzzle's rectangle, then the list of the used elements and the notification that speaks
// each sentence of the board. Everything is named by the canvas's BoardReader.
class CanvasAccessible : public AccessibleGrid, public BoardListener {
  public:
    explicit CanvasAccessible(PlayCanvas* canvas);
    ~CanvasAccessible() override;

    // None while the canvas has no reader.
    const BoardReader* Reader() const;
    QAccessibleInterface* ElementList() const;
    QAccessibleInterface* Item(int element) const;
    QAccessibleInterface* Notice() const;

    // After a change of the board: the names that changed, the held element's new name at once
    // after each move or turn, and the focus on the element that the keys chose.
    void Tell(const InputOutcome& outcome) override;
    // Shows the notification with the reader's sentence.
    void Speak() override;

    QString text(QAccessible::Text type) const override;
    QAccessibleInterface* focusChild() const override;
    int Rows() const override;
    int Columns() const override;
    QString CellName(int row, int column) const override;
    QRect CellRect(int row, int column) const override;
    // The list, the notification, then the widgets on the canvas, as the editor is.
    int ExtraCount() const override;
    QAccessibleInterface* Extra(int index) const override;

  private:
    QList<QWidget*> ChildWidgets() const;
    QAccessibleInterface* Part(QAccessible::Id& id, int kind) const;
    void Send(QAccessibleInterface* part, QAccessible::Event type);

    mutable QAccessible::Id listId = 0;
    mutable QAccessible::Id noticeId = 0;
    QString toldDescription;
    std::vector<int> toldUsed;
    std::array<QString, ElementSet::kCount> toldNames;
    std::array<QString, ElementSet::kCount> toldDescriptions;
};

}  // namespace tessellix

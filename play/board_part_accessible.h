#pragma once

#include <QAccessibleInterface>
#include <array>

#include "model/element_set.h"

namespace tessellix {

class BoardReader;

// A part of the play canvas for screen readers that is no cell: the element list, which keeps
// an item for each used element, one such item, or the notification that speaks the board's
// sentences. Named by the canvas's BoardReader.
class BoardPartAccessible : public QAccessibleInterface {
  public:
    enum Kind { List, Item, Notice };

    // canvas: the play canvas's interface; list: the list that holds an item.
    BoardPartAccessible(QAccessibleInterface& canvas, Kind kind, int element = -1,
                        BoardPartAccessible* list = nullptr);
    ~BoardPartAccessible() override;

    // The list's item of a used element, made when first asked for.
    QAccessibleInterface* ItemOf(int element) const;

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

  private:
    const BoardReader* Reader() const;

    QAccessibleInterface& canvas;
    Kind kind;
    int element;
    BoardPartAccessible* list;
    mutable std::array<QAccessible::Id, ElementSet::kCount> itemIds{};
};

}  // namespace tessellix

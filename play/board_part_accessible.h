#pragma once

#include <QAccessibleInterface>

namespace tessellix {

class CanvasAccessible;

// A part of the play canvas for screen readers that is no cell: the element list, one element's
// item in it, or the notification that speaks the board's sentences.
class BoardPartAccessible : public QAccessibleInterface {
  public:
    enum Kind { List, Item, Notice };

    // element: the element's index for an Item.
    BoardPartAccessible(const CanvasAccessible& canvas, Kind kind, int element = -1);

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
    const CanvasAccessible& canvas;
    Kind kind;
    int element;
};

}  // namespace tessellix

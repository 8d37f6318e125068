#pragma once

#include <QStyledItemDelegate>

namespace tessellix {

// Draws a list's lines as usual, each as tall as a line of text alone: the style gives a line
// with an icon two more pixels, which marks no taller than the text do not need.
class MarkLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace tessellix

#include "dialogs/mark_line_delegate.h"

#include <QApplication>
#include <QStyle>
#include <algorithm>

namespace tessellix {

QSize MarkLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem line(option);
    initStyleOption(&line, index);
    const QStyle* style = line.widget != nullptr ? line.widget->style() : QApplication::style();
    const QSize marked = style->sizeFromContents(QStyle::CT_ItemViewItem, &line, {}, line.widget);
    line.features &= ~QStyleOptionViewItem::HasDecoration;
    const QSize text = style->sizeFromContents(QStyle::CT_ItemViewItem, &line, {}, line.widget);
    return {marked.width(), std::max(text.height(), line.decorationSize.height())};
}

}  // namespace tessellix

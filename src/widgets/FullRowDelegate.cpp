#include "widgets/FullRowDelegate.h"

#include "widgets/FullRowListView.h"

#include <QFontMetrics>

#include <algorithm>

QSize FullRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const int line = QFontMetrics(option.font).height();
    const int height = std::max(line, FullRowListView::kImageSize) + 2;
    return {QStyledItemDelegate::sizeHint(option, index).width(), height};
}

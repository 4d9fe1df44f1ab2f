#pragma once

#include <QStyledItemDelegate>

// Gives every row of a FullRowListView the same height: one line of its font or a
// 16-pixel image, whichever is taller. The rows are drawn by the list itself.
class FullRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

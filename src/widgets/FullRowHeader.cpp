#include "widgets/FullRowHeader.h"

#include <QPainter>
#include <QStyleOptionHeaderV2>

FullRowHeader::FullRowHeader(QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsMovable(false);
    setStretchLastSection(false);
    setMinimumSectionSize(0);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void FullRowHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeaderV2 option;
    initStyleOption(&option);
    initStyleOptionForIndex(&option, logicalIndex);
    option.rect = rect;
    const QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    option.text = option.fontMetrics.elidedText(option.text, Qt::ElideRight, label.width());
    painter->save();
    style()->drawControl(QStyle::CE_Header, &option, painter, this);
    painter->restore();
}

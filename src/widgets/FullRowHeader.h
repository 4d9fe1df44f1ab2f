#pragma once

#include <QHeaderView>

// The column headings of a FullRowListView: a heading too wide for its column ends
// in "..." instead of being clipped.
class FullRowHeader : public QHeaderView
{
    Q_OBJECT

public:
    explicit FullRowHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

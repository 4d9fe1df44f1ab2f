#include "settings/MetronomeTickPainter.h"

#include <QPainter>

void MetronomeTickPainter::Invert(QPainter& painter, int left, int right, int y)
{
    painter.save();
    // The colour only matters where inversion is not available.
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(100, 100, 100), kPenWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPoint(left, y), QPoint(right, y));
    painter.restore();
}

QRect MetronomeTickPainter::Bounds(int left, int right, int y)
{
    return QRect(QPoint(left, y), QPoint(right, y)).adjusted(-kPenWidth, -kPenWidth, kPenWidth, kPenWidth);
}

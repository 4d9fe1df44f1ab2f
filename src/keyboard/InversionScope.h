#pragma once

#include <QPainter>

// Draws in inversion mode until it ends: every pixel touched is replaced by its inverse,
// whatever the colour asked for, so drawing the same thing again restores the picture.
class InversionScope
{
public:
    explicit InversionScope(QPainter& painter)
        : m_painter(painter)
    {
        m_painter.save();
        m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }
    ~InversionScope() { m_painter.restore(); }
    InversionScope(const InversionScope&) = delete;
    InversionScope& operator=(const InversionScope&) = delete;

private:
    QPainter& m_painter;
};

#pragma once

#include <QRect>
#include <QStringList>

#include <vector>

class QPainter;
class QWidget;

// What a row of tabs shows: where each tab is, its text, the chosen one, and where the
// rows end and the page frame begins.
struct TabRowsState
{
    std::vector<QRect> tabs;
    QStringList texts;
    int current = -1;
    bool focused = false;
    int rowsBottom = 0;
};

// Draws tabs in one or more rows above a page frame, in the style of `widget`.
class TabRowsPainter
{
public:
    static void Paint(QPainter& painter, const QRect& rect, const TabRowsState& state, const QWidget& widget);
};

#include "results/TabRowsPainter.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QWidget>

namespace {

// First and last in a row by position: rows may be stacked in another order than the tabs'.
QStyleOptionTab::TabPosition PositionInRow(const TabRowsState& state, std::size_t i)
{
    const QRect& tab = state.tabs[i];
    bool first = true;
    bool last = true;
    for (const QRect& other : state.tabs) {
        if (other.top() != tab.top() || other == tab)
            continue;
        if (other.left() < tab.left())
            first = false;
        else
            last = false;
    }
    if (first && last)
        return QStyleOptionTab::OnlyOneTab;
    if (first)
        return QStyleOptionTab::Beginning;
    return last ? QStyleOptionTab::End : QStyleOptionTab::Middle;
}

} // namespace

void TabRowsPainter::Paint(QPainter& painter, const QRect& rect, const TabRowsState& state,
                           const QWidget& widget)
{
    QStyle* style = widget.style();
    const std::size_t count = std::min(state.tabs.size(), static_cast<std::size_t>(state.texts.size()));
    const bool hasCurrent = state.current >= 0 && static_cast<std::size_t>(state.current) < count;

    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(&widget);
    // The frame reaches under the tabs as far as a tab widget's tab bar overlaps it, so
    // that the chosen tab opens into it.
    const int overlap =
        state.rowsBottom > 0 ? style->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, &widget) : 0;
    const int frameTop = state.rowsBottom - overlap;
    frame.rect = QRect(rect.left(), rect.top() + frameTop, rect.width(), rect.height() - frameTop);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarRect = QRect(rect.left(), rect.top(), rect.width(), state.rowsBottom);
    // The chosen tab opens into the frame only from the row next to it.
    if (hasCurrent) {
        const QRect current = state.tabs[static_cast<std::size_t>(state.current)];
        if (current.bottom() + 1 >= state.rowsBottom)
            frame.selectedTabRect = current.translated(rect.topLeft());
    }
    style->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, &widget);

    auto drawTab = [&](std::size_t i) {
        QStyleOptionTab tab;
        tab.initFrom(&widget);
        tab.rect = state.tabs[i].translated(rect.topLeft());
        tab.text = state.texts[static_cast<qsizetype>(i)];
        tab.shape = QTabBar::RoundedNorth;
        tab.position = PositionInRow(state, i);
        tab.state &= ~QStyle::State_HasFocus;
        if (static_cast<int>(i) == state.current) {
            tab.state |= QStyle::State_Selected;
            if (state.focused)
                tab.state |= QStyle::State_HasFocus;
        }
        style->drawControl(QStyle::CE_TabBarTab, &tab, &painter, &widget);
    };
    // As a tab bar would be: a style may draw a chosen tab on into the frame below it.
    painter.save();
    painter.setClipRect(QRect(rect.left(), rect.top(), rect.width(), state.rowsBottom));
    for (std::size_t i = 0; i < count; ++i)
        if (static_cast<int>(i) != state.current)
            drawTab(i);
    // The chosen tab last, over its neighbours.
    if (hasCurrent)
        drawTab(static_cast<std::size_t>(state.current));
    painter.restore();
}

#include "results/MultiRowTabControl.h"

#include "results/TabRowsPainter.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kTextPadding = 12;
// The page frame's width inside its outline.
constexpr int kFrameMargin = 4;

} // namespace

MultiRowTabControl::MultiRowTabControl(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

int MultiRowTabControl::AddTab(const QString& text)
{
    m_texts << text;
    if (m_current < 0)
        m_current = 0;
    update();
    return Count() - 1;
}

QString MultiRowTabControl::TabText(int index) const
{
    return index >= 0 && index < Count() ? m_texts[index] : QString();
}

void MultiRowTabControl::setCurrentIndex(int index)
{
    if (index < 0 || index >= Count() || index == m_current)
        return;
    m_current = index;
    update();
    Q_EMIT CurrentChanged(index);
}

std::vector<QRect> MultiRowTabControl::LayOutRows(const std::vector<int>& widths, int available,
                                                  int rowHeight, int current)
{
    std::vector<QRect> tabs;
    std::vector<std::size_t> rowStarts;
    int x = 0;
    int top = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const int width = std::max(widths[i], 1);
        if (i == 0 || (x > 0 && x + width > available)) {
            if (i > 0)
                top += rowHeight;
            x = 0;
            rowStarts.push_back(i);
        }
        tabs.emplace_back(x, top, width, rowHeight);
        x += width;
    }
    if (rowStarts.size() < 2)
        return tabs;
    rowStarts.push_back(tabs.size());
    for (std::size_t row = 0; row + 1 < rowStarts.size(); ++row) {
        const std::size_t begin = rowStarts[row];
        const std::size_t end = rowStarts[row + 1];
        const int n = static_cast<int>(end - begin);
        const int extra = std::max(available - (tabs[end - 1].right() + 1), 0);
        int shift = 0;
        for (std::size_t i = begin; i < end; ++i) {
            // The remainder goes to the last tabs, one pixel each.
            const int k = static_cast<int>(i - begin);
            const int grow = extra / n + (k >= n - extra % n ? 1 : 0);
            tabs[i].translate(shift, 0);
            tabs[i].setWidth(tabs[i].width() + grow);
            shift += grow;
        }
    }
    if (current < 0 || current >= static_cast<int>(tabs.size()))
        return tabs;
    const int rows = static_cast<int>(rowStarts.size()) - 1;
    const int currentRow = tabs[static_cast<std::size_t>(current)].top() / rowHeight;
    for (QRect& tab : tabs) {
        const int row = tab.top() / rowHeight;
        const int moved = row == currentRow ? rows - 1 : (row < currentRow ? row : row - 1);
        tab.moveTop(moved * rowHeight);
    }
    return tabs;
}

int MultiRowTabControl::RowHeight() const
{
    return fontMetrics().height() + 10;
}

std::vector<QRect> MultiRowTabControl::TabRects() const
{
    std::vector<int> widths;
    widths.reserve(static_cast<std::size_t>(Count()));
    const QFontMetrics metrics = fontMetrics();
    for (const QString& text : m_texts)
        widths.push_back(metrics.horizontalAdvance(text) + 2 * kTextPadding);
    return LayOutRows(widths, width(), RowHeight(), m_current);
}

int MultiRowTabControl::RowsBottom(const std::vector<QRect>& tabs) const
{
    int bottom = 0;
    for (const QRect& tab : tabs)
        bottom = std::max(bottom, tab.bottom() + 1);
    return bottom;
}

int MultiRowTabControl::RowCount() const
{
    const std::vector<QRect> tabs = TabRects();
    return tabs.empty() ? 0 : RowsBottom(tabs) / RowHeight();
}

QRect MultiRowTabControl::DisplayArea() const
{
    const int top = RowsBottom(TabRects());
    return QRect(0, top, width(), height() - top)
        .adjusted(kFrameMargin, kFrameMargin, -kFrameMargin, -kFrameMargin);
}

int MultiRowTabControl::TabAt(const QPoint& point) const
{
    const std::vector<QRect> tabs = TabRects();
    for (std::size_t i = 0; i < tabs.size(); ++i)
        if (tabs[i].contains(point))
            return static_cast<int>(i);
    return -1;
}

void MultiRowTabControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TabRowsState state;
    state.tabs = TabRects();
    state.texts = m_texts;
    state.current = m_current;
    state.focused = hasFocus();
    state.rowsBottom = RowsBottom(state.tabs);
    TabRowsPainter::Paint(painter, rect(), state, *this);
}

void MultiRowTabControl::mousePressEvent(QMouseEvent* event)
{
    const int tab = TabAt(event->position().toPoint());
    if (tab >= 0 && event->button() == Qt::LeftButton) {
        setCurrentIndex(tab);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void MultiRowTabControl::keyPressEvent(QKeyEvent* event)
{
    if (Count() > 0 && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        const int step = event->key() == Qt::Key_Left ? -1 : 1;
        setCurrentIndex((m_current + step + Count()) % Count());
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MultiRowTabControl::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        update();
}

void MultiRowTabControl::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void MultiRowTabControl::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

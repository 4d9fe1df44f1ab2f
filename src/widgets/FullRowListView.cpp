#include "widgets/FullRowListView.h"

#include "widgets/FullRowDelegate.h"
#include "widgets/FullRowHeader.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QResizeEvent>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

const QString kEllipsis = QStringLiteral("...");

// An image tinted half way towards `color`, as a selected row shows its image.
QPixmap Blend50(const QPixmap& image, const QColor& color)
{
    QPixmap blended = image;
    QPainter painter(&blended);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QColor half = color;
    half.setAlpha(128);
    painter.fillRect(blended.rect(), half);
    return blended;
}

} // namespace

FullRowListView::FullRowListView(QWidget* parent)
    : QTreeWidget(parent)
    , m_textColor(palette().color(QPalette::Active, QPalette::Text))
    , m_textBkColor(palette().color(QPalette::Active, QPalette::Base))
    , m_bkColor(palette().color(QPalette::Active, QPalette::Base))
{
    setItemDelegate(new FullRowDelegate(this));
    // A report list keeps its columns in place and does not stretch the last one.
    setHeader(new FullRowHeader(this));
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setIconSize(QSize(kImageSize, kImageSize));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

int FullRowListView::AddColumn(const QString& heading, int width, Qt::Alignment format)
{
    const int column = m_hasColumns ? columnCount() : 0;
    m_hasColumns = true;
    setColumnCount(column + 1);
    QTreeWidgetItem* headings = headerItem();
    headings->setText(column, heading);
    headings->setTextAlignment(column, (format & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    setColumnWidth(column, std::max(width, 0));
    return column;
}

std::vector<int> FullRowListView::columnWidths() const
{
    std::vector<int> widths;
    for (int column = 0; column < columnCount(); ++column)
        widths.push_back(columnWidth(column));
    return widths;
}

void FullRowListView::setColumnWidths(const std::vector<int>& widths)
{
    const int count = std::min(static_cast<int>(widths.size()), columnCount());
    for (int column = 0; column < count; ++column)
        setColumnWidth(column, std::max(widths[static_cast<std::size_t>(column)], 0));
}

void FullRowListView::SetImageList(ImageList which, std::vector<QPixmap> images)
{
    if (which == ImageList::State) {
        m_stateImageOffset = images.empty() ? 0 : images.front().width();
        m_stateImages = std::move(images);
    } else {
        m_smallImages = std::move(images);
    }
    viewport()->update();
}

void FullRowListView::SetItemImage(QTreeWidgetItem* item, int image)
{
    if (item)
        item->setData(0, kImageRole, image);
}

void FullRowListView::SetItemStateImage(QTreeWidgetItem* item, int state)
{
    if (item)
        item->setData(0, kStateImageRole, state);
}

void FullRowListView::setTextColor(const QColor& color)
{
    m_textColor = color;
    viewport()->update();
}

void FullRowListView::setTextBkColor(const QColor& color)
{
    m_textBkColor = color;
    viewport()->update();
}

void FullRowListView::setBkColor(const QColor& color)
{
    m_bkColor = color;
    UpdatePalette();
}

void FullRowListView::setFullRowSelect(bool on)
{
    m_fullRowSelect = on;
    viewport()->update();
}

void FullRowListView::setClientWidthSelect(bool on)
{
    m_clientWidthSelect = on;
    viewport()->update();
}

void FullRowListView::setShowSelectionAlways(bool on)
{
    m_showSelectionAlways = on;
    viewport()->update();
}

bool FullRowListView::IsRowDrawnSelected(const QTreeWidgetItem* item) const
{
    return item && item->isSelected() && (hasFocus() || m_showSelectionAlways);
}

QRect FullRowListView::HighlightRect(const QTreeWidgetItem* item) const
{
    if (!item)
        return {};
    const QRect row = visualItemRect(item);
    return GeometryAt(row.top(), row.height()).highlight;
}

std::vector<FullRowListView::Cell> FullRowListView::RowCells(const QTreeWidgetItem* item) const
{
    if (!item)
        return {};
    const QRect row = visualItemRect(item);
    return CellsAt(item, GeometryAt(row.top(), row.height()), fontMetrics());
}

QString FullRowListView::ShortenText(const QString& text, int width, int margin, const QFontMetrics& metrics)
{
    if (text.isEmpty() || metrics.horizontalAdvance(text) + margin <= width)
        return text;
    // The ellipsis is measured together with its terminating character.
    const int ellipsis = metrics.horizontalAdvance(kEllipsis + QChar(u'\0'));
    qsizetype length = std::max<qsizetype>(text.size() - 1, 1);
    while (length > 1 && (text.at(length - 1).isHighSurrogate() ||
                          metrics.horizontalAdvance(text.left(length)) + ellipsis + margin > width))
        --length;
    // Never end on half of a character.
    if (text.at(length - 1).isHighSurrogate() && length < text.size())
        ++length;
    return text.left(length) + kEllipsis;
}

void FullRowListView::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const QTreeWidgetItem* item = itemFromIndex(index);
    if (!item)
        return;
    painter->save();
    painter->setFont(font());
    const RowGeometry row = GeometryAt(option.rect.top(), option.rect.height());
    const bool selected = IsRowDrawnSelected(item);
    const QColor highlight = palette().color(QPalette::Active, QPalette::Highlight);
    painter->fillRect(row.highlight, selected ? highlight : m_textBkColor);

    const int state = item->data(0, kStateImageRole).toInt();
    if (state > 0 && static_cast<std::size_t>(state) <= m_stateImages.size())
        painter->drawPixmap(row.bounds.topLeft(), m_stateImages[static_cast<std::size_t>(state - 1)]);

    const QVariant imageData = item->data(0, kImageRole);
    const int image = imageData.isValid() ? imageData.toInt() : -1;
    if (image >= 0 && static_cast<std::size_t>(image) < m_smallImages.size() && row.bounds.width() >= 2) {
        const QPixmap& plain = m_smallImages[static_cast<std::size_t>(image)];
        const QRect target(row.icon.left(), row.icon.top() + (row.icon.height() - kImageSize) / 2, kImageSize,
                           kImageSize);
        painter->drawPixmap(target, selected ? Blend50(plain, highlight) : plain);
    }

    painter->setPen(selected ? palette().color(QPalette::Active, QPalette::HighlightedText) : m_textColor);
    for (const Cell& cell : CellsAt(item, row, painter->fontMetrics()))
        painter->drawText(cell.rect,
                          static_cast<int>(cell.alignment | Qt::AlignVCenter) | Qt::TextSingleLine |
                              Qt::TextDontClip,
                          cell.text);

    if (item == currentItem() && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = row.highlight;
        focus.backgroundColor = selected ? highlight : m_textBkColor;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, this);
    }
    painter->restore();
}

void FullRowListView::resizeEvent(QResizeEvent* event)
{
    QTreeWidget::resizeEvent(event);
    m_clientWidth = viewport()->width();
}

void FullRowListView::focusInEvent(QFocusEvent* event)
{
    QTreeWidget::focusInEvent(event);
    // Selected rows change their look with the focus.
    if (m_fullRowSelect)
        viewport()->update();
}

void FullRowListView::focusOutEvent(QFocusEvent* event)
{
    QTreeWidget::focusOutEvent(event);
    if (m_fullRowSelect)
        viewport()->update();
}

void FullRowListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QTreeWidget::selectionChanged(selected, deselected);
    // The highlight may reach past the last column, where the view repaints nothing itself.
    if (m_clientWidthSelect && m_fullRowSelect)
        viewport()->update();
}

void FullRowListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeWidget::currentChanged(current, previous);
    if (m_clientWidthSelect && m_fullRowSelect)
        viewport()->update();
}

FullRowListView::RowGeometry FullRowListView::GeometryAt(int top, int height) const
{
    RowGeometry row;
    const int left = columnViewportPosition(0);
    const int right = left + header()->length();
    row.bounds = QRect(left, top, std::max(right - left, 0), height);
    const int stateWidth = m_stateImages.empty() ? 0 : m_stateImageOffset;
    const int iconWidth = m_smallImages.empty() ? 0 : kImageSize;
    row.icon = QRect(left + stateWidth, top, iconWidth, height);
    const int labelLeft = row.icon.left() + iconWidth;
    const int labelRight = std::max(labelLeft, left + columnWidth(0));
    row.label = QRect(labelLeft, top, labelRight - labelLeft, height);
    int highlightRight = right;
    if (m_clientWidthSelect && highlightRight < m_clientWidth)
        highlightRight = m_clientWidth;
    row.highlight = QRect(labelLeft, top, std::max(highlightRight - labelLeft, 0), height);
    return row;
}

std::vector<FullRowListView::Cell> FullRowListView::CellsAt(const QTreeWidgetItem* item,
                                                            const RowGeometry& row,
                                                            const QFontMetrics& metrics) const
{
    std::vector<Cell> cells;
    const int columns = columnCount();
    if (columns < 1)
        return cells;
    const qsizetype longest = kTextBufferSize - 1;

    const QString first = item->text(0).left(longest);
    const int firstWidth = row.label.width() - m_stateImageOffset;
    cells.push_back({row.label.adjusted(2, 0, -2, 0),
                     ShortenText(first, firstWidth, kFirstColumnMargin, metrics), Qt::AlignLeft});

    int cellLeft = row.label.left() + row.label.width();
    for (int column = 1; column < columns; ++column) {
        const int width = columnWidth(column);
        const QRect cell(cellLeft, row.bounds.top(), width, row.bounds.height());
        cellLeft += width;
        const QString text = item->text(column).left(longest);
        const QString shown = ShortenText(text, width, kColumnMargin, metrics);
        // A cut text starts at the left edge whatever the column's alignment.
        const Qt::Alignment alignment = shown == text ? ColumnFormat(column) : Qt::AlignLeft;
        cells.push_back({cell.adjusted(6, 0, -6, 0), shown, alignment});
    }
    return cells;
}

Qt::Alignment FullRowListView::ColumnFormat(int column) const
{
    const Qt::Alignment format =
        Qt::Alignment(headerItem()->textAlignment(column)) & Qt::AlignHorizontal_Mask;
    if (format & Qt::AlignRight)
        return Qt::AlignRight;
    if (format & Qt::AlignHCenter)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

void FullRowListView::UpdatePalette()
{
    QPalette pal = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(group, QPalette::Base, m_bkColor);
    setPalette(pal);
    viewport()->update();
}

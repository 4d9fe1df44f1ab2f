#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QTreeWidget>

#include <vector>

class QFontMetrics;

// A report list that draws its rows itself: a selected row is highlighted over every
// column and, with clientWidthSelect, on to the right edge of the window; a text too
// wide for its column is cut and ends in "...". Rows are QTreeWidgetItems without
// children; their images are indexes into the list's image lists (column 0 data).
class FullRowListView : public QTreeWidget
{
    Q_OBJECT

public:
    enum class ImageList
    {
        Small,
        State
    };

    // Column-0 data: index into the small image list (none when unset or negative)
    // and state image number (0 none, n the state image n - 1).
    static constexpr int kImageRole = Qt::UserRole + 0x4C00;
    static constexpr int kStateImageRole = Qt::UserRole + 0x4C01;
    static constexpr int kImageSize = 16;
    // Cell texts are read into a buffer of this many characters, the terminator included.
    static constexpr int kTextBufferSize = 260;
    static constexpr int kFirstColumnMargin = 4;
    static constexpr int kColumnMargin = 12;

    // A cell's text as the row draws it.
    struct Cell
    {
        QRect rect;
        QString text;
        Qt::Alignment alignment;
    };

    explicit FullRowListView(QWidget* parent = nullptr);

    // Appends a column; `format` aligns the column's texts (and its heading). The first
    // call replaces the tree's default column. Returns the column's index.
    int AddColumn(const QString& heading, int width, Qt::Alignment format = Qt::AlignLeft);
    std::vector<int> columnWidths() const;
    // Sets the first widths.size() columns (columns beyond the list's are ignored).
    void setColumnWidths(const std::vector<int>& widths);

    void SetImageList(ImageList which, std::vector<QPixmap> images);
    static void SetItemImage(QTreeWidgetItem* item, int image);
    static void SetItemStateImage(QTreeWidgetItem* item, int state);

    const QColor& textColor() const { return m_textColor; }
    const QColor& textBkColor() const { return m_textBkColor; }
    const QColor& bkColor() const { return m_bkColor; }
    void setTextColor(const QColor& color);
    void setTextBkColor(const QColor& color);
    void setBkColor(const QColor& color);

    bool fullRowSelect() const { return m_fullRowSelect; }
    void setFullRowSelect(bool on);
    bool clientWidthSelect() const { return m_clientWidthSelect; }
    void setClientWidthSelect(bool on);
    // Keeps selected rows highlighted while the list has no focus.
    bool showSelectionAlways() const { return m_showSelectionAlways; }
    void setShowSelectionAlways(bool on);
    int clientWidth() const { return m_clientWidth; }
    int stateImageOffset() const { return m_stateImageOffset; }

    // Whether the row is drawn highlighted: selected while the list has the focus or
    // shows its selection always.
    bool IsRowDrawnSelected(const QTreeWidgetItem* item) const;
    // The highlight of a row in viewport coordinates: from the label on to the last
    // column or the window's right edge.
    QRect HighlightRect(const QTreeWidgetItem* item) const;
    // The texts of a row as drawn, column by column.
    std::vector<Cell> RowCells(const QTreeWidgetItem* item) const;

    // `text` cut so that it fits `width` with `margin` to spare, followed by "...";
    // unchanged when it fits. At least one character is kept.
    static QString ShortenText(const QString& text, int width, int margin, const QFontMetrics& metrics);

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    struct RowGeometry
    {
        QRect bounds;
        QRect icon;
        QRect label;
        QRect highlight;
    };

    RowGeometry GeometryAt(int top, int height) const;
    std::vector<Cell> CellsAt(const QTreeWidgetItem* item, const RowGeometry& row,
                              const QFontMetrics& metrics) const;
    Qt::Alignment ColumnFormat(int column) const;
    void UpdatePalette();

    bool m_fullRowSelect = true;
    bool m_clientWidthSelect = true;
    bool m_showSelectionAlways = false;
    bool m_hasColumns = false;
    int m_clientWidth = 0;
    int m_stateImageOffset = 0;
    QColor m_textColor;
    QColor m_textBkColor;
    QColor m_bkColor;
    std::vector<QPixmap> m_smallImages;
    std::vector<QPixmap> m_stateImages;
};

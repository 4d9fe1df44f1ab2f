#pragma once

#include <QRect>
#include <QStringList>
#include <QWidget>

#include <vector>

// A tab control whose tabs go on in further rows when one row cannot hold them, with the
// page frame below them. Pages are separate windows placed over DisplayArea(); the
// control only says which tab is chosen.
class MultiRowTabControl : public QWidget
{
    Q_OBJECT

public:
    explicit MultiRowTabControl(QWidget* parent = nullptr);

    int AddTab(const QString& text);
    int Count() const { return static_cast<int>(m_texts.size()); }
    QString TabText(int index) const;
    int currentIndex() const { return m_current; }
    void setCurrentIndex(int index);

    // The tabs' rectangles for the control's current width, in its coordinates.
    std::vector<QRect> TabRects() const;
    int RowCount() const;
    // Inside the page frame, in the control's coordinates.
    QRect DisplayArea() const;
    // The tab at a point, or -1.
    int TabAt(const QPoint& point) const;

    // Tabs of the given widths in rows of at most `available` pixels, left to right; with
    // more than one row every row is widened to the full width, and the row of the tab
    // `current` moves to the bottom, next to the page it opens, the others keeping their order.
    static std::vector<QRect> LayOutRows(const std::vector<int>& widths, int available, int rowHeight,
                                         int current);

Q_SIGNALS:
    void CurrentChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int RowHeight() const;
    int RowsBottom(const std::vector<QRect>& tabs) const;

    QStringList m_texts;
    int m_current = -1;
};

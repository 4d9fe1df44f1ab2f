#include "widgets/FullRowListView.h"

#include "support/QtTestEnvironment.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

QFont TestFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(12);
    return font;
}

int Ellipsis(const QFontMetrics& fm)
{
    return fm.horizontalAdvance(QStringLiteral("...") + QChar(u'\0'));
}

// A shown window with a list of three columns (80 left, 60 right, 60 centred) and three rows.
class FullRowListViewTest : public testing::Test
{
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        list = new FullRowListView(window.get());
        list->setFont(TestFont());
        layout->addWidget(list);
        other = new QPushButton(QStringLiteral("Weiter"), window.get());
        layout->addWidget(other);
        EXPECT_EQ(list->AddColumn(QStringLiteral("Lektion"), 80), 0);
        EXPECT_EQ(list->AddColumn(QStringLiteral("Tempo"), 60, Qt::AlignRight), 1);
        EXPECT_EQ(list->AddColumn(QStringLiteral("Datum"), 60, Qt::AlignHCenter), 2);
        for (int row = 0; row < 3; ++row) {
            auto* item = new QTreeWidgetItem(list);
            item->setText(0, QString::number(row + 1));
            item->setText(1, QStringLiteral("12"));
            item->setText(2, QStringLiteral("1.2."));
        }
        window->resize(400, 200);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        other->setFocus();
    }

    void Focus()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        list->setFocus();
        ASSERT_TRUE(list->hasFocus());
    }

    QColor PixelInRow(int row, int x)
    {
        const QImage image = list->viewport()->grab().toImage();
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        return image.pixelColor(x, rect.center().y());
    }

    QColor Highlight() const { return list->palette().color(QPalette::Active, QPalette::Highlight); }

    std::unique_ptr<QWidget> window;
    FullRowListView* list = nullptr;
    QPushButton* other = nullptr;
};

} // namespace

TEST(FullRowListViewShorten, TextThatFitsWithItsMarginStaysWhole)
{
    const QFontMetrics fm(TestFont());
    const QString text = QStringLiteral("Geschwindigkeit");
    const int width = fm.horizontalAdvance(text);
    EXPECT_EQ(FullRowListView::ShortenText(text, width + 12, 12, fm), text);
    EXPECT_NE(FullRowListView::ShortenText(text, width + 11, 12, fm), text);
    EXPECT_EQ(FullRowListView::ShortenText(QString(), 0, 12, fm), QString());
}

TEST(FullRowListViewShorten, KeepsTheLongestPrefixThatFitsBesideTheEllipsis)
{
    const QFontMetrics fm(TestFont());
    const QString text = QStringLiteral("Durchschnittliche Fehlerrate");
    for (int width = 20; width < fm.horizontalAdvance(text) + 4; width += 7) {
        for (int margin : {4, 12}) {
            const QString shown = FullRowListView::ShortenText(text, width, margin, fm);
            if (fm.horizontalAdvance(text) + margin <= width) {
                EXPECT_EQ(shown, text);
                continue;
            }
            ASSERT_TRUE(shown.endsWith(QStringLiteral("..."))) << width;
            const QString prefix = shown.chopped(3);
            ASSERT_TRUE(text.startsWith(prefix)) << width;
            ASSERT_FALSE(prefix.isEmpty());
            // The ellipsis counts with its terminator: wider than the three dots alone.
            if (prefix.size() > 1) {
                EXPECT_LE(fm.horizontalAdvance(prefix) + Ellipsis(fm) + margin, width) << width;
            }
            const QString longer = text.left(prefix.size() + 1);
            EXPECT_GT(fm.horizontalAdvance(longer) + Ellipsis(fm) + margin, width) << width;
        }
    }
}

TEST(FullRowListViewShorten, TooNarrowKeepsOneCharacterAndNeverSplitsOne)
{
    const QFontMetrics fm(TestFont());
    EXPECT_EQ(FullRowListView::ShortenText(QStringLiteral("Versuch"), 0, 12, fm), QStringLiteral("V..."));
    EXPECT_EQ(FullRowListView::ShortenText(QStringLiteral("W"), -5, 12, fm), QStringLiteral("W..."));
    const QString clef =
        QString::fromUtf8("\xF0\x9D\x84\x9E\xF0\x9D\x84\x9E\xF0\x9D\x84\x9E"); // three U+1D11E
    EXPECT_EQ(FullRowListView::ShortenText(clef, 1, 12, fm), clef.left(2) + QStringLiteral("..."));
    const QString mixed = QStringLiteral("ab") + clef;
    for (int width = 0; width < 80; ++width) {
        const QString shown = FullRowListView::ShortenText(mixed, width, 4, fm);
        if (shown != mixed) {
            EXPECT_FALSE(shown.chopped(3).back().isHighSurrogate()) << width;
        }
    }
}

TEST_F(FullRowListViewTest, CellsFollowTheColumnWidthsAndMargins)
{
    const std::vector<FullRowListView::Cell> cells = list->RowCells(list->topLevelItem(0));
    ASSERT_EQ(cells.size(), 3u);
    const int top = list->visualItemRect(list->topLevelItem(0)).top();
    EXPECT_EQ(cells[0].rect, QRect(2, top, 76, cells[0].rect.height()));
    EXPECT_EQ(cells[1].rect.left(), 86);
    EXPECT_EQ(cells[1].rect.width(), 48);
    EXPECT_EQ(cells[2].rect.left(), 146);
    EXPECT_EQ(cells[0].alignment, Qt::AlignLeft);
    EXPECT_EQ(cells[1].alignment, Qt::AlignRight);
    EXPECT_EQ(cells[2].alignment, Qt::AlignHCenter);

    list->setColumnWidths({100, 30});
    const std::vector<FullRowListView::Cell> moved = list->RowCells(list->topLevelItem(0));
    EXPECT_EQ(moved[1].rect.left(), 106);
    EXPECT_EQ(moved[2].rect.left(), 136);
    // "12" no longer fits 30 pixels less a margin of 12 in this font? Either way the
    // text is whole or cut to one character.
    EXPECT_TRUE(moved[1].text == QStringLiteral("12") || moved[1].text == QStringLiteral("1..."));
}

TEST_F(FullRowListViewTest, ACutTextIsLeftAlignedWhateverItsColumn)
{
    QTreeWidgetItem* item = list->topLevelItem(1);
    item->setText(1, QStringLiteral("123456789012"));
    item->setText(2, QStringLiteral("12.10.2024 14:33"));
    const std::vector<FullRowListView::Cell> cells = list->RowCells(item);
    EXPECT_TRUE(cells[1].text.endsWith(QStringLiteral("...")));
    EXPECT_EQ(cells[1].alignment, Qt::AlignLeft);
    EXPECT_TRUE(cells[2].text.endsWith(QStringLiteral("...")));
    EXPECT_EQ(cells[2].alignment, Qt::AlignLeft);
    // The first column's margin is 4, the others' 12.
    const QFontMetrics fm(list->font());
    const QString first = QStringLiteral("x").repeated(30);
    item->setText(0, first);
    const QString shownFirst = list->RowCells(item)[0].text;
    EXPECT_EQ(shownFirst, FullRowListView::ShortenText(first, 80, 4, fm));
    EXPECT_EQ(list->RowCells(item)[1].text,
              FullRowListView::ShortenText(QStringLiteral("123456789012"), 60, 12, fm));
}

TEST_F(FullRowListViewTest, ColumnWidthsReadBackAndSurplusOrNegativeWidthsAreHarmless)
{
    EXPECT_EQ(list->columnWidths(), (std::vector<int>{80, 60, 60}));
    list->setColumnWidths({120, -7, 33, 99, 12});
    EXPECT_EQ(list->columnWidths(), (std::vector<int>{120, 0, 33}));
    list->setColumnWidths({});
    EXPECT_EQ(list->columnWidths(), (std::vector<int>{120, 0, 33}));
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("Tempo"));
    EXPECT_FALSE(list->header()->stretchLastSection());
}

TEST_F(FullRowListViewTest, HighlightRunsFromTheLabelToTheWindowEdge)
{
    QTreeWidgetItem* item = list->topLevelItem(0);
    EXPECT_EQ(list->clientWidth(), list->viewport()->width());
    EXPECT_EQ(list->HighlightRect(item).left(), 0);
    EXPECT_EQ(list->HighlightRect(item).right(), list->viewport()->width() - 1);
    list->setClientWidthSelect(false);
    EXPECT_EQ(list->HighlightRect(item).right(), 199);

    // Images come before the label and stay outside the highlight.
    QPixmap image(16, 16);
    image.fill(Qt::red);
    list->SetImageList(FullRowListView::ImageList::Small, {image});
    EXPECT_EQ(list->HighlightRect(item).left(), 16);
    list->SetImageList(FullRowListView::ImageList::State, {QPixmap(12, 16)});
    EXPECT_EQ(list->stateImageOffset(), 12);
    EXPECT_EQ(list->HighlightRect(item).left(), 28);
    EXPECT_EQ(list->RowCells(item)[0].rect.left(), 30);
    list->SetImageList(FullRowListView::ImageList::State, {});
    EXPECT_EQ(list->stateImageOffset(), 0);
}

TEST_F(FullRowListViewTest, SelectedRowIsHighlightedOnlyWithFocusOrShowSelectionAlways)
{
    QTreeWidgetItem* item = list->topLevelItem(1);
    list->setCurrentItem(item);
    ASSERT_TRUE(item->isSelected());
    const int edge = list->viewport()->width() - 3;

    // Without the focus a selected row looks like any other.
    EXPECT_FALSE(list->hasFocus());
    EXPECT_FALSE(list->IsRowDrawnSelected(item));
    EXPECT_EQ(PixelInRow(1, edge), list->textBkColor());
    EXPECT_EQ(PixelInRow(1, 40), PixelInRow(0, 40));

    list->setShowSelectionAlways(true);
    EXPECT_TRUE(list->IsRowDrawnSelected(item));
    EXPECT_EQ(PixelInRow(1, edge), Highlight());
    list->setShowSelectionAlways(false);

    Focus();
    EXPECT_TRUE(list->IsRowDrawnSelected(item));
    EXPECT_FALSE(list->IsRowDrawnSelected(list->topLevelItem(0)));
    // Over every column and past the last one, to the window's edge.
    EXPECT_EQ(PixelInRow(1, 150), Highlight());
    EXPECT_EQ(PixelInRow(1, edge), Highlight());
    EXPECT_EQ(PixelInRow(0, edge), list->textBkColor());

    list->setClientWidthSelect(false);
    EXPECT_EQ(PixelInRow(1, 150), Highlight());
    EXPECT_NE(PixelInRow(1, edge), Highlight());
}

TEST_F(FullRowListViewTest, ClickAnywhereInARowSelectsTheWholeRow)
{
    Focus();
    QTreeWidgetItem* item = list->topLevelItem(2);
    const QPoint inLastColumn(170, list->visualItemRect(item).center().y());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, inLastColumn);
    EXPECT_EQ(list->currentItem(), item);
    EXPECT_EQ(list->selectedItems(), QList<QTreeWidgetItem*>{item});
    EXPECT_EQ(PixelInRow(2, 40), Highlight());

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(20, list->visualItemRect(list->topLevelItem(0)).center().y()));
    EXPECT_EQ(list->selectedItems(), QList<QTreeWidgetItem*>{list->topLevelItem(0)});
    EXPECT_NE(PixelInRow(2, 40), Highlight());
}

TEST_F(FullRowListViewTest, ColoursAreTheListsOwn)
{
    list->setTextBkColor(QColor(255, 255, 200));
    list->setBkColor(QColor(200, 255, 255));
    list->setTextColor(QColor(10, 20, 30));
    EXPECT_EQ(list->textColor(), QColor(10, 20, 30));
    EXPECT_EQ(PixelInRow(0, 150), QColor(255, 255, 200));
    EXPECT_EQ(list->palette().color(QPalette::Base), QColor(200, 255, 255));
    // Below the last row the list's background shows.
    const QImage image = list->viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(150, image.height() - 3), QColor(200, 255, 255));
}

TEST_F(FullRowListViewTest, ItemImagesAreDrawnAndTintedWhenSelected)
{
    QPixmap red(16, 16);
    red.fill(Qt::red);
    list->SetImageList(FullRowListView::ImageList::Small, {red});
    FullRowListView::SetItemImage(list->topLevelItem(0), 0);
    FullRowListView::SetItemImage(list->topLevelItem(1), 0);
    FullRowListView::SetItemImage(list->topLevelItem(2), 7); // no such image: nothing drawn
    list->setCurrentItem(list->topLevelItem(1));
    Focus();
    EXPECT_EQ(PixelInRow(0, 8), QColor(Qt::red));
    const QColor tinted = PixelInRow(1, 8);
    EXPECT_NE(tinted, QColor(Qt::red));
    EXPECT_NEAR(tinted.red(), (255 + Highlight().red()) / 2, 2);
    EXPECT_EQ(PixelInRow(2, 8), list->bkColor());
}

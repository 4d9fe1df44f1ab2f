// The text panel: typed characters, error marks, the return arrow and the cursor.
#include "KeyboardViewFixture.h"

#include "keyboard/ViewFont.h"
#include "keyboard/ViewText.h"

#include <QPainter>

namespace {

const QRgb Red = qRgb(200, 20, 20);
const QRgb Grey = qRgb(100, 100, 100);
const QRgb Black = qRgb(0, 0, 0);

class TextPanelTest : public KeyboardViewFixture
{
protected:
    void SetUp() override
    {
        KeyboardViewFixture::SetUp();
        MakeView(800, 600);
    }

    int X() const { return m_view->Layout().leftMargin; }
    int Y() const { return m_view->Layout().textTop; }
    int Cx() const { return m_view->Layout().cx; }
    int Cy() const { return m_view->Layout().cy; }

    // The cell of `column` in text row `row` (2: current line, 3: its error marks).
    QRect Cell(int column, int row) const { return QRect(X() + column * Cx(), Y() + row * Cy(), Cx(), Cy()); }

    int Count(const QRect& rect, QRgb colour) const
    {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                count += Screen().pixel(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    // True when exactly the listed pixels of the rectangle are inverted.
    ::testing::AssertionResult OnlyInverted(const QRect& area, const std::vector<QPoint>& pixels) const
    {
        for (const QPoint& pixel : pixels) {
            if (!Inverted(QRect(pixel, QSize(1, 1)))) {
                return ::testing::AssertionFailure()
                       << "(" << pixel.x() << ", " << pixel.y() << ") not inverted";
            }
        }
        const QRect changed = ChangedWithin(area);
        QRect expected;
        for (const QPoint& pixel : pixels) {
            expected |= QRect(pixel, QSize(1, 1));
        }
        if (changed != expected) {
            return ::testing::AssertionFailure() << "changed pixels reach beyond the cursor";
        }
        return ::testing::AssertionSuccess();
    }

    QRect RowsAround() const { return QRect(0, Y() + Cy(), m_view->Layout().clientWidth, 4 * Cy()); }
};

TEST_F(TextPanelTest, WindowCursorIsABoxAroundTheNextCharacter)
{
    StartLine("ask");
    Update(0, 0, 0);
    const int c = X();
    const int top = Y() + 2 * Cy() + 1;
    const int bottom = Y() + 3 * Cy() - 1;
    const int right = c + Cx() - 1;
    EXPECT_TRUE(OnlyInverted(RowsAround(), {{c, top}, {right, top}, {right, bottom}, {c, bottom}}));
    EXPECT_TRUE(Inverted(QRect(QPoint(c, top), QPoint(right, top))));
    EXPECT_TRUE(Inverted(QRect(QPoint(c, top), QPoint(c, bottom))));
    EXPECT_TRUE(Unchanged(QRect(QPoint(c + 1, top + 1), QPoint(right - 1, bottom - 1))));
}

TEST_F(TextPanelTest, AxisCursorIsABarBeforeTheNextCharacter)
{
    StartLine("ask");
    Update(0, 0, 1);
    const int c = X();
    // From the bottom up to, not including, the top point.
    EXPECT_TRUE(Inverted(QRect(QPoint(c, Y() + 2 * Cy() + 2), QPoint(c, Y() + 3 * Cy() - 1))));
    EXPECT_TRUE(Unchanged(QRect(c, Y() + 2 * Cy() + 1, 1, 1)));
    EXPECT_EQ(ChangedWithin(RowsAround()),
              QRect(QPoint(c, Y() + 2 * Cy() + 2), QPoint(c, Y() + 3 * Cy() - 1)));
}

TEST_F(TextPanelTest, ArrowCursorPointsUpFromTheErrorRow)
{
    StartLine("ask");
    Update(0, 0, 2);
    const int c = X();
    const QPoint tip(c + Cx() / 2 + 1, Y() + 3 * Cy() + 1);
    const int base = Y() + 4 * Cy() - 1;
    EXPECT_TRUE(Inverted(QRect(tip, QSize(1, 1))));
    EXPECT_TRUE(Inverted(QRect(QPoint(c + 2, base), QPoint(c + Cx() - 1, base))));
    EXPECT_EQ(ChangedWithin(RowsAround()), QRect(QPoint(c + 1, tip.y()), QPoint(c + Cx() - 1, base)));
}

TEST_F(TextPanelTest, SteadyCursorMovesWithTheColumnAndBlinkingCursorToggles)
{
    StartLine("ask");
    for (const int style : {0, 1, 2}) {
        SCOPED_TRACE(style);
        m_view->PaintAll();
        Update(0, 0, style);
        const QRect first = ChangedWithin(RowsAround());
        Update(0, 0, style);
        EXPECT_EQ(ChangedWithin(RowsAround()), first) << "a tick leaves a steady cursor";
        Update(0, 1, style);
        EXPECT_TRUE(Unchanged(RowsAround())) << "blinking takes it away";
        Update(0, 1, style);
        EXPECT_EQ(ChangedWithin(RowsAround()), first);
    }
    // A keystroke moves it one cell on: the old cell is restored, the typed letter greyed.
    Update(1, 0, 2);
    EXPECT_TRUE(Unchanged(Cell(0, 3)));
    EXPECT_EQ(ChangedWithin(Cell(1, 3)).left(), X() + Cx() + 1);
    EXPECT_GT(Count(Cell(0, 2), Grey), 0);
    EXPECT_EQ(Count(Cell(0, 2), Black), 0);
    EXPECT_GT(Count(Cell(1, 2), Black), 0);
}

TEST_F(TextPanelTest, WrongEnterShowsARedReturnArrowAndACorrectKeyLeavesTheRowBlank)
{
    StartLine("ask");
    Update(0, 0, 1);
    m_marks[0] = '\xA4';
    Update(1, 0, 1);
    const QRect cell = Cell(0, 3);
    const int l = cell.left();
    const int y = cell.top();
    const int cx = Cx();
    const int cy = Cy();
    // Stem down on the right, along the middle to the left, and the two barbs.
    EXPECT_EQ(Screen().pixel(l + cx - cx / 3, y + cy / 4), Red);
    EXPECT_EQ(Screen().pixel(l + cx / 2, y + cy / 2), Red);
    EXPECT_EQ(Screen().pixel(l + cx / 5, y + cy / 2), Red);
    EXPECT_NE(Screen().pixel(l + cx - cx / 3, y + cy / 2 + 1), Red);
    const QRect arrow = ChangedWithin(cell);
    EXPECT_EQ(arrow.left(), l + cx / 5);
    EXPECT_EQ(arrow.right(), l + cx - cx / 3);
    EXPECT_EQ(arrow.top(), y + cy / 4);
    EXPECT_LT(arrow.bottom(), y + 2 * cy / 3);

    Update(2, 0, 1);
    EXPECT_TRUE(Unchanged(Cell(1, 3)));
}

TEST_F(TextPanelTest, ReturnMarkOfTheLessonLineIsDrawnAsAnArrow)
{
    StartLine("a\xC2\xA4");
    const QRect cell = Cell(1, 2);
    EXPECT_EQ(Screen().pixel(cell.left() + Cx() / 2, cell.top() + Cy() / 2), Black);
    EXPECT_GT(Count(cell, Black), Cy() / 4);
    EXPECT_LT(Count(cell, Black), 2 * Cx() + Cy());
}

TEST_F(TextPanelTest, FullRedrawShowsPreviousLineMarksTypedPartAndFollowingRows)
{
    m_previousLine = TextCodec::FromUtf8("vorher");
    StartLine("jetzt");
    std::string previousMarks(70, ' ');
    previousMarks[2] = 'x';
    m_marks[1] = 'q';
    m_view->SetViewState({2, LineCount, Line, Lesson, m_marks, previousMarks});
    m_view->RedrawText();
    EXPECT_EQ(m_view->CursorCounter(), 0);
    EXPECT_GT(Count(Cell(0, 0), Grey), 0);
    EXPECT_GT(Count(Cell(2, 1), Red), 0);
    EXPECT_EQ(Count(Cell(1, 1), Red), 0);
    EXPECT_GT(Count(Cell(1, 2), Grey), 0);
    EXPECT_EQ(Count(Cell(1, 2), Black), 0);
    EXPECT_GT(Count(Cell(2, 2), Black), 0);
    EXPECT_GT(Count(Cell(1, 3), Red), 0);

    // On the first line the two top rows stay empty.
    m_view->SetViewState({0, LineCount, 0, Lesson, m_marks, previousMarks});
    m_view->RedrawText();
    EXPECT_EQ(Count(QRect(0, Y(), 800, 2 * Cy()), Grey), 0);
    EXPECT_EQ(Count(QRect(0, Y(), 800, 2 * Cy()), Red), 0);
}

// A line change lays the background only where text was or goes; the panel must still
// equal a full repaint of the same state, after typing, errors, cursors and the flash.
TEST_F(TextPanelTest, LineChangeShowsThePanelOfAFullRepaint)
{
    const std::vector<std::string> lesson{TextCodec::FromUtf8("Žluťoučký kůň úpěl ďábelské ódy.\xA4"),
                                          "  eingerueckt",
                                          std::string(70, 'W'),
                                          "kurz",
                                          "",
                                          TextCodec::FromUtf8("Größe und Maß: 1234567890 !?"),
                                          "x"};
    const int lineCount = static_cast<int>(lesson.size());
    const auto source = [&lesson](int lessonIndex, int line) {
        return lessonIndex == Lesson && line >= 0 && line < static_cast<int>(lesson.size())
                   ? lesson[static_cast<std::size_t>(line)]
                   : std::string();
    };
    m_view->SetLineSource(source);
    m_view->ComputeLayout(true, true, true);
    KeyboardView reference(m_typeable);
    reference.resize(m_view->size());
    reference.SetPictures(m_pictures);
    reference.SetLineSource(source);
    reference.SetKeyboard("00000407");
    reference.ComputeLayout(true, true, true);

    std::string marks(70, ' ');
    std::string previousMarks(70, ' ');
    m_view->SetViewState({0, lineCount, 0, Lesson, marks, previousMarks});
    m_view->PaintAll();
    const QRect panel(0, Y() - ViewLayout::kMargin, m_view->Layout().clientWidth,
                      m_view->Layout().keyboardTop - Y() + ViewLayout::kMargin);
    for (int line = 0; line + 1 < lineCount; ++line) {
        const int length = static_cast<int>(lesson[static_cast<std::size_t>(line)].size());
        for (int column = 1; column <= length; ++column) {
            if (column % 3 == 0) {
                marks[static_cast<std::size_t>(column - 1)] = column % 2 == 0 ? '\xA4' : 'q';
            }
            m_view->UpdateAfterKeystroke({column, lineCount, line, Lesson, marks, {}},
                                         column % 4 == 0 ? 1 : 0, line % 3);
        }
        if (line == 2) {
            m_view->MetronomeFlash();
        }
        previousMarks = marks;
        marks.assign(70, ' ');
        m_view->SetViewState({0, lineCount, line + 1, Lesson, marks, previousMarks});
        m_view->RedrawText();

        reference.SetViewState({0, lineCount, line + 1, Lesson, marks, previousMarks});
        reference.PaintAll();
        EXPECT_EQ(Screen().copy(panel), reference.Screen().copy(panel)) << "line " << line + 1;
    }
}

TEST_F(TextPanelTest, MetronomeFlashLeavesTheScreenAsItWas)
{
    StartLine("ask");
    Update(0);
    const QImage before = Screen().copy();
    m_view->MetronomeFlash();
    WaitForTheFlashToEnd(*m_view);
    EXPECT_EQ(Screen(), before);
}

} // namespace

namespace {

QImage DrawnText(const QFont& font, const std::string& text, bool percharacter)
{
    QImage image(300, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    if (!percharacter) {
        ViewText::Draw(painter, 5, 5, text, Qt::black);
        return image;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const int cx = metrics.horizontalAdvance(QLatin1Char('A'));
    const QString shown = ViewText::ToDisplay(text);
    painter.setPen(Qt::black);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        painter.drawText(QPoint(5 + static_cast<int>(i) * cx, 5 + metrics.ascent()), QString(shown.at(i)));
    }
    return image;
}

// Whether a text fits the cells is remembered; a font whose advances do not must still
// get one character per cell after the same text in a font whose do.
TEST(ViewText, TextOffTheCellsOfAnotherFontIsDrawnCellByCell)
{
    const std::string text = "iiWWmi";
    QFont fixed(QStringLiteral("Liberation Mono"));
    fixed.setPixelSize(20);
    QFont proportional(QStringLiteral("DejaVu Sans"));
    proportional.setPixelSize(20);
    const QFontMetrics metrics(proportional);
    ASSERT_NE(metrics.horizontalAdvance(ViewText::ToDisplay(text)),
              static_cast<int>(text.size()) * metrics.horizontalAdvance(QLatin1Char('A')));

    const QImage first = DrawnText(fixed, text, false);
    EXPECT_EQ(DrawnText(fixed, text, false), first);
    EXPECT_EQ(DrawnText(proportional, text, false), DrawnText(proportional, text, true));
}

// The kept layouts draw the very pixels the painter draws for the text, in every view
// font size, colour and place, also when the same text comes again.
TEST(ViewText, KeptLinesDrawThePaintersPixels)
{
    const std::vector<std::string> texts{"Das Zehnfingersystem",
                                         "a",
                                         " ",
                                         TextCodec::FromUtf8("Žluťoučký kůň úpěl ďábelské ódy"),
                                         TextCodec::FromUtf8("Größe, Maß & Übung: 1234567890 !?\"#%()[]{}"),
                                         "fj fj jf"};
    for (const int height : {-12, -27, -40, 33}) {
        const QFont font = ViewFont::Create(height);
        for (const std::string& text : texts) {
            for (int pass = 0; pass < 2; ++pass) {
                QImage kept(900, 120, QImage::Format_RGB32);
                kept.fill(qRgb(250, 240, 200));
                QImage plain = kept.copy();
                const QPoint at(3 + pass * 7, 2 + pass * 11);
                const QColor colour = pass == 0 ? QColor(Grey) : QColor(Red);
                {
                    QPainter painter(&kept);
                    painter.setFont(font);
                    ViewText::Draw(painter, at.x(), at.y(), text, colour);
                }
                {
                    QPainter painter(&plain);
                    painter.setFont(font);
                    painter.setPen(colour);
                    painter.drawText(QPoint(at.x(), at.y() + painter.fontMetrics().ascent()),
                                     ViewText::ToDisplay(text));
                }
                EXPECT_EQ(kept, plain) << "height " << height << ", text " << text << ", pass " << pass;
            }
        }
    }
}

// A line not yet begun is drawn black only: in the view font the black glyphs cover the
// grey ones exactly.
TEST(ViewText, BlackOverGreyEqualsBlackInTheViewFont)
{
    const std::string text = TextCodec::FromUtf8("Žluťoučký kůň, Größe & Maß: 1234567890 !?\xA4");
    for (const int height : {-12, -27, -40, 33}) {
        QImage both(1200, 60, QImage::Format_RGB32);
        both.fill(qRgb(250, 240, 200));
        QImage black = both.copy();
        {
            QPainter painter(&both);
            painter.setFont(ViewFont::Create(height));
            ViewText::Draw(painter, 4, 3, text, QColor(Grey));
            ViewText::Draw(painter, 4, 3, text, QColor(Black));
        }
        {
            QPainter painter(&black);
            painter.setFont(ViewFont::Create(height));
            ViewText::Draw(painter, 4, 3, text, QColor(Black));
        }
        EXPECT_EQ(both, black) << "height " << height;
    }
}

} // namespace

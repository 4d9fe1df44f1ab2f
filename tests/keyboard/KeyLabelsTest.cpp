// Key labels inside their keys at every size, and the view's image at the screen's resolution.
#include "KeyboardViewFixture.h"

#include "keyboard/KeyLabels.h"
#include "keyboard/KeyboardPainter.h"
#include "keyboard/ViewFont.h"
#include "keyboard/ViewText.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

using KeyLabelsTest = KeyboardViewFixture;

// Where a label lands, measured afresh: its cells and the ink of its text.
QRect Measured(const KeyLabels::Label& label)
{
    const QFontMetrics metrics(ViewFont::Create(-label.pixelSize));
    const QString shown = ViewText::ToDisplay(label.text);
    const QRect cells(label.topLeft,
                      QSize(static_cast<int>(shown.size()) * metrics.horizontalAdvance(QLatin1Char('A')),
                            metrics.height()));
    if (shown.trimmed().isEmpty()) {
        return cells;
    }
    return cells | metrics.boundingRect(shown).translated(label.topLeft + QPoint(0, metrics.ascent()));
}

std::string Utf8(const std::string& text)
{
    return TextCodec::ToUtf8(text);
}

// The smallest layout is that of the narrowest main window (550 pixels less the view's
// edges), the largest that of the biggest font.
TEST_F(KeyLabelsTest, EveryLabelOfTheShippedKeyboardsFitsItsKeyWithoutOverlapping)
{
    const struct
    {
        const char* what;
        int width;
        int height;
    } sizes[] = {{"smallest", 546, 700}, {"largest", 2400, 1200}};
    for (const char* keyboard : {"00000407", "00000409", "NUM"}) {
        for (const auto& size : sizes) {
            SCOPED_TRACE(std::string(keyboard) + " " + size.what);
            MakeView(size.width, size.height, keyboard);
            m_view->ComputeLayout(true, true, true);
            const ViewLayout& layout = m_view->Layout();
            const int viewPixels = m_view->TextFont().pixelSize();
            const double unit = (layout.keyboardBottom - layout.keyboardTop) * 0.01;
            ASSERT_GT(m_view->Keyboard().KeyCount(), 10);
            for (const KeyboardKey& key : m_view->Keyboard().Keys()) {
                if (key.name.empty()) {
                    continue;
                }
                SCOPED_TRACE("key " + Utf8(key.name));
                const KeyboardKey::PixelRect rect = key.PixelRectIn(layout.KeyArea());
                const int pen = KeyboardPainter::kKeyPen;
                const QRect face(QPoint(rect.left + pen, rect.top + pen),
                                 QPoint(rect.right - 1 - pen, rect.bottom - 1 - pen));
                const std::vector<KeyLabels::Label> labels = KeyLabels::Of(key, rect, unit, pen, viewPixels);
                const bool shifted = key.shifted != 0 && QString::compare(ViewText::ToDisplay({key.shifted}),
                                                                          ViewText::ToDisplay(key.name),
                                                                          Qt::CaseInsensitive) != 0;
                ASSERT_EQ(labels.size(), 1u + (shifted ? 1 : 0) + (key.altgr != 0 ? 1 : 0))
                    << "a label left out";
                EXPECT_EQ(labels.front().text, key.name);
                std::vector<QRect> placed;
                for (const KeyLabels::Label& label : labels) {
                    const QRect measured = Measured(label);
                    EXPECT_LE(label.pixelSize, viewPixels);
                    EXPECT_TRUE(face.contains(measured))
                        << Utf8(label.text) << " at " << measured.x() << "," << measured.y() << " "
                        << measured.width() << "x" << measured.height() << " in " << face.x() << ","
                        << face.y() << " " << face.width() << "x" << face.height();
                    for (const QRect& other : placed) {
                        EXPECT_FALSE(measured.intersects(other)) << Utf8(label.text) << " overlaps";
                    }
                    placed.push_back(measured);
                }
                // Letters, the bulk of the keys, keep the view's font in the largest layout.
                if (size.width > 1000 && key.name.size() == 1 && labels.size() == 1 &&
                    std::isalpha(static_cast<unsigned char>(key.name[0]))) {
                    EXPECT_EQ(labels.front().pixelSize, viewPixels);
                }

                // Drawn alone on white, nothing of the key reaches beyond its rectangle.
                const QRect outer(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
                const QRect around = outer.adjusted(-layout.cy, -layout.cy, layout.cy, layout.cy);
                QImage image(layout.clientWidth, layout.clientHeight, QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.setFont(m_view->TextFont());
                KeyboardPainter(painter, layout).DrawKey(key);
                painter.end();
                int outside = 0;
                for (int y = std::max(0, around.top()); y <= std::min(image.height() - 1, around.bottom());
                     ++y) {
                    for (int x = std::max(0, around.left()); x <= std::min(image.width() - 1, around.right());
                         ++x) {
                        outside += !outer.contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
                    }
                }
                EXPECT_EQ(outside, 0);
            }
        }
    }
}

TEST_F(KeyLabelsTest, AtRatioTwoTheScreenHasTwiceThePixelsAndItsOwnSharpText)
{
    MakeView(800, 600);
    StartLine("ask");
    const QImage atOne = Screen().copy();
    const ViewLayout one = m_view->Layout();

    m_view->SetPixelRatioForTesting(2);
    StartLine("ask");
    EXPECT_EQ(Screen().size(), QSize(1600, 1200));
    EXPECT_EQ(Screen().deviceIndependentSize(), QSizeF(800, 600));
    EXPECT_EQ(m_view->Layout().cy, one.cy);
    EXPECT_EQ(m_view->Layout().keyboardTop, one.keyboardTop);

    // The line's text drawn at twice the size, not the small one stretched.
    const QRect text(one.leftMargin, one.textTop + 2 * one.cy, 3 * one.cx, one.cy);
    const QImage stretched =
        atOne.copy(text).scaled(text.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QRect pixels(text.topLeft() * 2, text.size() * 2);
    EXPECT_NE(Screen().copy(pixels), stretched);

    // Keys and fingers blink on and off again in the image's own pixels.
    const QRect keysAndHands(QPoint(0, one.keyboardTop * 2), QPoint(1599, 1199));
    const QImage before = Screen().copy(keysAndHands);
    Update(0);
    EXPECT_NE(Screen().copy(keysAndHands), before);
    Update(0);
    EXPECT_EQ(Screen().copy(keysAndHands), before);
}

} // namespace

#include "keyboard/KeyLabels.h"

#include "keyboard/ViewColours.h"
#include "keyboard/ViewFont.h"
#include "keyboard/ViewText.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <unordered_map>

namespace {

int Trunc(double value)
{
    return static_cast<int>(value);
}

// The view's face at one pixel size, with the cell of "A" the characters stand in.
struct Face
{
    QFont font;
    int cx = 1;
    int cy = 1;
    int ascent = 0;
};

const Face& FaceAt(int pixelSize)
{
    static QHash<int, Face> kept;
    const auto found = kept.constFind(pixelSize);
    if (found != kept.constEnd()) {
        return found.value();
    }
    Face face;
    face.font = ViewFont::Create(-pixelSize);
    const QFontMetrics metrics(face.font);
    face.cx = std::max(1, metrics.horizontalAdvance(QLatin1Char('A')));
    face.cy = std::max(1, metrics.height());
    face.ascent = metrics.ascent();
    return kept.insert(pixelSize, face).value();
}

// The largest size at which the text fits the box, placed as near the anchor as the box
// allows; nothing when it fits at no size.
void Place(std::vector<KeyLabels::Label>& labels, const std::string& text, const QColor& colour,
           const QRect& box, const QPoint& anchor, int maxPixelSize)
{
    for (int size = maxPixelSize; size >= 1; --size) {
        const QRect extent = KeyLabels::ExtentOf(text, size);
        if (extent.width() > box.width() || extent.height() > box.height()) {
            continue;
        }
        const int x = std::clamp(anchor.x(), box.left() - extent.left(), box.right() - extent.right());
        const int y = std::clamp(anchor.y(), box.top() - extent.top(), box.bottom() - extent.bottom());
        labels.push_back({text, colour, size, QPoint(x, y)});
        return;
    }
}

} // namespace

QRect KeyLabels::Label::Extent() const
{
    return ExtentOf(text, pixelSize).translated(topLeft);
}

QRect KeyLabels::ExtentOf(const std::string& text, int pixelSize)
{
    // Every key asks again at every full repaint, size after size.
    static std::unordered_map<std::string, QRect> kept;
    std::string key = std::to_string(pixelSize) + ':' + text;
    const auto found = kept.find(key);
    if (found != kept.end()) {
        return found->second;
    }
    const Face& face = FaceAt(pixelSize);
    const QFontMetrics metrics(face.font);
    const QString shown = ViewText::ToDisplay(text);
    QRect extent(0, 0, static_cast<int>(shown.size()) * face.cx, face.cy);
    // A glyph may reach beyond its cell (the return arrow stays inside its own). Each
    // character and the whole text are measured: their roundings may differ by a pixel.
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown.at(i) != u' ') {
            extent |=
                metrics.boundingRect(shown.at(i)).translated(static_cast<int>(i) * face.cx, face.ascent);
        }
    }
    if (!shown.trimmed().isEmpty()) {
        extent |= metrics.boundingRect(shown).translated(0, face.ascent);
    }
    kept.emplace(std::move(key), extent);
    return extent;
}

std::vector<KeyLabels::Label> KeyLabels::Of(const KeyboardKey& key, const KeyboardKey::PixelRect& rect,
                                            double unit, int border, int maxPixelSize)
{
    std::vector<Label> labels;
    if (key.name.empty() || maxPixelSize < 1) {
        return labels;
    }
    const int left = std::min(rect.left, rect.right);
    const int top = std::min(rect.top, rect.bottom);
    // The face inside the border, a little less where the corners round off.
    const int inset = border + std::max(1, rect.corner / 4);
    const QRect face(QPoint(left + inset, top + inset), QPoint(std::max(rect.left, rect.right) - 1 - inset,
                                                               std::max(rect.top, rect.bottom) - 1 - inset));
    if (face.isEmpty()) {
        return labels;
    }

    const double width = key.WidthUnits() * unit;
    const int keyHeight = Trunc(16 * unit);
    const int n = static_cast<int>(key.name.size());
    const std::string shifted(1, key.shifted);
    const bool showShifted =
        key.shifted != 0 && QString::compare(ViewText::ToDisplay(shifted), ViewText::ToDisplay(key.name),
                                             Qt::CaseInsensitive) != 0;
    const bool showAltGr = key.altgr != 0;

    QRect nameBox = face;
    QRect shiftedBox;
    QRect altGrBox;
    if (showShifted || showAltGr) {
        nameBox.setWidth(face.width() / 2);
        const QRect right(QPoint(nameBox.right() + 1, face.top()), face.bottomRight());
        const int upper = right.height() / 2;
        shiftedBox = QRect(right.left(), right.top(), right.width(), upper);
        altGrBox = QRect(right.left(), right.top() + upper, right.width(), right.height() - upper);
    }
    // The anchors are where the keyboard has always put its labels.
    Place(labels, key.name, ViewColours::Black(), nameBox,
          QPoint(left + Trunc(width) / (n + 4), top + keyHeight / 3), maxPixelSize);
    if (showShifted) {
        Place(labels, shifted, ViewColours::Grey(), shiftedBox,
              QPoint(left + Trunc(width - width / (n + 1)), top), maxPixelSize);
    }
    if (showAltGr) {
        Place(labels, std::string(1, key.altgr), ViewColours::Grey(), altGrBox,
              QPoint(left + Trunc(width - 4 * width / (n + 9)), top + keyHeight / 3), maxPixelSize);
    }
    return labels;
}

QRect KeyLabels::Draw(QPainter& painter, const Label& label)
{
    const Face& face = FaceAt(label.pixelSize);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setFont(face.font);
    painter.setPen(label.colour);
    const QString shown = ViewText::ToDisplay(label.text);
    const int y = label.topLeft.y();
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const int cell = label.topLeft.x() + static_cast<int>(i) * face.cx;
        if (label.text[static_cast<std::size_t>(i)] == ViewText::kReturnMark) {
            ViewText::DrawReturnArrow(painter, cell, y, face.cx, face.cy, label.colour);
        } else if (shown.at(i) != u' ') {
            painter.drawText(QPoint(cell, y + face.ascent), QString(shown.at(i)));
        }
    }
    painter.restore();
    return label.Extent();
}

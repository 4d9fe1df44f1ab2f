#include "keyboard/KeyboardPainter.h"

#include "keyboard/InversionScope.h"
#include "keyboard/KeyLabels.h"
#include "keyboard/KeyboardLayout.h"
#include "keyboard/ViewColours.h"
#include "pictures/PictureBlitter.h"

#include <QFontInfo>
#include <QPainter>

#include <algorithm>

namespace {

QRect Bounds(const KeyboardKey::PixelRect& rect)
{
    return QRect(QPoint(std::min(rect.left, rect.right), std::min(rect.top, rect.bottom)),
                 QPoint(std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)));
}

} // namespace

KeyboardPainter::KeyboardPainter(QPainter& painter, const ViewLayout& layout)
    : m_painter(painter)
    , m_layout(layout)
{}

QPainterPath KeyboardPainter::KeyShape(const KeyboardKey::PixelRect& rect)
{
    QPainterPath path;
    const QRectF area =
        QRectF(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top).normalized();
    if (area.isEmpty()) {
        return path;
    }
    const double radius = std::max(0, rect.corner) / 2.0;
    path.addRoundedRect(area, radius, radius);
    return path;
}

void KeyboardPainter::DrawKeyboard(const KeyboardLayout& keys, const QImage* background)
{
    const int top = m_layout.keyboardTop;
    const int bottom = m_layout.keyboardBottom;
    const int height = bottom - top;
    const int right = m_layout.rightEdge + ViewLayout::kMargin;
    const int l = (m_layout.rightEdge + ViewLayout::kMargin - 3 * height) / 2;
    const int boardRight = m_layout.rightEdge - l + ViewLayout::kMargin;
    if (boardRight > l) {
        m_painter.fillRect(QRect(l, top, boardRight - l, height), ViewColours::Grey());
    }
    if (background != nullptr) {
        PictureBlitter blitter(m_painter);
        blitter.TilePicture(*background, 0, top, l, bottom);
        blitter.TilePicture(*background, boardRight, top, right, bottom);
    }
    m_touched |= QRect(0, top, right, height);

    KeyboardKey key;
    for (int index = 0; keys.GetKey(index, key); ++index) {
        DrawKey(key);
    }
}

void KeyboardPainter::DrawKey(const KeyboardKey& key)
{
    const KeyboardKey::PixelRect rect = key.PixelRectIn(m_layout.KeyArea());
    const QPainterPath outer = KeyShape(rect);
    m_painter.save();
    m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    if (!outer.isEmpty()) {
        // The border is the outer shape less the face, kKeyPen pixels inside it.
        m_painter.fillPath(outer, ViewColours::Black());
        KeyboardKey::PixelRect face = rect;
        face.left = std::min(rect.left, rect.right) + kKeyPen;
        face.right = std::max(rect.left, rect.right) - kKeyPen;
        face.top = std::min(rect.top, rect.bottom) + kKeyPen;
        face.bottom = std::max(rect.top, rect.bottom) - kKeyPen;
        face.corner = std::max(0, rect.corner - 2 * kKeyPen);
        if (face.right > face.left && face.bottom > face.top) {
            m_painter.fillPath(KeyShape(face), ViewColours::KeyFace());
        }
    }
    m_touched |= Bounds(rect);
    m_painter.restore();

    const double unit = (m_layout.keyboardBottom - m_layout.keyboardTop) * 0.01;
    const QFont& font = m_painter.font();
    const int maxPixelSize = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    for (const KeyLabels::Label& label : KeyLabels::Of(key, rect, unit, kKeyPen, maxPixelSize)) {
        m_touched |= KeyLabels::Draw(m_painter, label);
    }
}

void KeyboardPainter::InvertKey(const KeyboardKey& key)
{
    const KeyboardKey::PixelRect rect = key.PixelRectIn(m_layout.KeyArea());
    const QPainterPath shape = KeyShape(rect);
    if (shape.isEmpty()) {
        return;
    }
    const InversionScope inverted(m_painter);
    m_painter.fillPath(shape, ViewColours::Black());
    m_touched |= Bounds(rect);
}

void KeyboardPainter::UpdateHighlight(const KeyboardLayout& keys, const KeyStrokes& strokes, KeyStrokes& last,
                                      int& blinkPhase)
{
    KeyboardKey key;
    if (strokes != last) {
        if (blinkPhase % 2 == 1) {
            for (const int index : last.AllKeys()) {
                if (keys.GetKey(index, key)) {
                    DrawKey(key);
                }
            }
        }
        last = strokes;
        blinkPhase = 0;
    }
    for (const int index : strokes.HighlightedAt(blinkPhase)) {
        if (keys.GetKey(index, key)) {
            InvertKey(key);
        }
    }
}

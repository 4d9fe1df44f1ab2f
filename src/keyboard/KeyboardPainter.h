#pragma once

#include "keyboard/KeyStrokes.h"
#include "keyboard/KeyboardKey.h"
#include "keyboard/ViewLayout.h"

#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QRegion>

class KeyboardLayout;
class QPainter;

// The on-screen keyboard: a grey board three times as wide as high, centred, with the
// background tiled beside it, and the keys as rounded rectangles with their labels. The
// painter must hold the view's font.
class KeyboardPainter
{
public:
    static constexpr int kKeyPen = 2;

    KeyboardPainter(QPainter& painter, const ViewLayout& layout);

    // The board and every key.
    void DrawKeyboard(const KeyboardLayout& keys, const QImage* background);

    // A key in its normal look: face, border and labels.
    void DrawKey(const KeyboardKey& key);

    // Every pixel of the key inverted; drawn twice the key is as before.
    void InvertKey(const KeyboardKey& key);

    // The blinking highlight of the next character's keys. When the strokes change, the
    // keys still shown (odd phase) get their normal look back and the phase restarts.
    void UpdateHighlight(const KeyboardLayout& keys, const KeyStrokes& strokes, KeyStrokes& last,
                         int& blinkPhase);

    // The pixels a key covers: the rounded rectangle left <= x < right, top <= y < bottom.
    static QPainterPath KeyShape(const KeyboardKey::PixelRect& rect);

    // What was drawn: one rectangle a finger or key, so that the window copies only those
    // and not the space between them.
    const QRegion& Touched() const { return m_touched; }

private:
    QPainter& m_painter;
    const ViewLayout& m_layout;
    QRegion m_touched;
};

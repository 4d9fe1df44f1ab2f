#pragma once

#include "keyboard/KeyStrokes.h"
#include "keyboard/ViewLayout.h"

#include <QImage>
#include <QRect>
#include <QRegion>

class HandModel;
class KeyboardLayout;
class QPainter;

// The hands at the bottom of the keyboard view: the hands picture and the inverted
// outline of the finger that strikes the next key. The painter must hold the view's font.
class HandsPainter
{
public:
    // Shown instead of fingers when the hands file holds fewer than ten outlines.
    static const char* const ErrorText;

    HandsPainter(QPainter& painter, const ViewLayout& layout);

    // The hands picture stretched over the hands area, then the error text when the
    // model is broken.
    void DrawPicture(const QImage* picture, const HandModel& hands);

    void DrawError();

    // The finger's outline inverted; drawn twice the picture is as before.
    void InvertFinger(const HandModel& hands, int finger);

    // The blinking highlight of the fingers for the next character's keys. When the
    // strokes change, fingers still shown (odd phase) are taken away; with the keyboard
    // off the hands restart the phase themselves.
    void UpdateHighlight(const HandModel& hands, const KeyboardLayout& keys, const KeyStrokes& strokes,
                         KeyStrokes& last, int& blinkPhase, bool keyboardOn);

    // What was drawn: one rectangle a finger or key, so that the window copies only those
    // and not the space between them.
    const QRegion& Touched() const { return m_touched; }

private:
    void InvertFingersOf(const HandModel& hands, const KeyboardLayout& keys, const KeyStrokes& strokes,
                         int blinkPhase);

    QPainter& m_painter;
    const ViewLayout& m_layout;
    QRegion m_touched;
};

#pragma once

#include "keyboard/KeyboardKey.h"

// How the keyboard view divides its client area, top to bottom: status strip, text
// panel, keyboard, hands. An area is off when its top equals its bottom. cx and cy are
// the width and height of "A" in the view's font.
struct ViewLayout
{
    static constexpr int kMargin = 5;
    // Four lines of this many characters must fit.
    static constexpr int kLineCharacters = 70;

    int clientWidth = 0;
    int clientHeight = 0;
    int leftMargin = kMargin;
    int rightEdge = 0;
    int statusTop = kMargin;
    int textTop = kMargin;
    int keyboardTop = 0;
    // Also the top of the hands.
    int keyboardBottom = 0;
    int handsBottom = 0;
    int cx = 0;
    int cy = 0;

    bool StatusOn() const { return statusTop != textTop; }
    bool KeyboardOn() const { return keyboardTop != keyboardBottom; }
    bool HandsOn() const { return keyboardBottom != handsBottom; }
    int HandsTop() const { return keyboardBottom; }

    // The keyboard's place for the key geometry.
    KeyboardKey::Area KeyArea() const { return {leftMargin, rightEdge, keyboardTop, keyboardBottom}; }

    // The areas for a client area and a font cell.
    static ViewLayout Arrange(int clientWidth, int clientHeight, int cx, int cy, bool showStatus,
                              bool showKeyboard, bool showHands);

    // The client height the panes need: two text rows for the status strip, ten for the
    // keyboard, four for the hands and four for the text, plus the top margin.
    static int NeededHeight(int cy, bool showStatus, bool showKeyboard, bool showHands);

    // True when four lines of 70 characters of that cell fit the client area.
    static bool TextFits(int clientWidth, int clientHeight, int cx, int cy);
};

#include "keyboard/ViewLayout.h"

ViewLayout ViewLayout::Arrange(int clientWidth, int clientHeight, int cx, int cy, bool showStatus,
                               bool showKeyboard, bool showHands)
{
    ViewLayout layout;
    layout.clientWidth = clientWidth;
    layout.clientHeight = clientHeight;
    layout.cx = cx;
    layout.cy = cy;
    layout.rightEdge = clientWidth - kMargin;
    layout.leftMargin = kMargin;
    layout.statusTop = kMargin;
    layout.textTop = showStatus ? 2 * cy + kMargin : kMargin;
    layout.handsBottom = clientHeight;
    layout.keyboardBottom = showHands ? clientHeight - 4 * cy : clientHeight;
    layout.keyboardTop = showKeyboard ? layout.keyboardBottom - 10 * cy : layout.keyboardBottom;
    return layout;
}

int ViewLayout::NeededHeight(int cy, bool showStatus, bool showKeyboard, bool showHands)
{
    const int s = showStatus ? 1 : 0;
    const int k = showKeyboard ? 1 : 0;
    const int h = showHands ? 1 : 0;
    return 2 * cy * (s + 5 * k + 2 * h + 2) + kMargin;
}

bool ViewLayout::TextFits(int clientWidth, int clientHeight, int cx, int cy)
{
    return clientHeight - 4 * cy - kMargin >= 0 && clientWidth - kLineCharacters * cx - 2 * kMargin >= 0;
}

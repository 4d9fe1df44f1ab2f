#pragma once

#include <QColor>

#include <string>
#include <vector>

// The colours of one picture set. Every set shares the hand geometry and the
// figures of the animation; only the palette changes.
struct SetStyle
{
    std::string name;
    bool night = false;

    // Hands picture: the desk and the skin.
    QColor deskTop;
    QColor deskBottom;
    QColor skin;
    QColor skinShade;
    QColor skinLine;
    QColor nail;
    QColor nailLine;
    QColor handShadow;

    // Status strip.
    QColor stripTop;
    QColor stripBottom;
    QColor stripLine;

    // Tile behind the lesson text, which is drawn black, grey and red on it: keep it light.
    QColor paper;
    QColor paperMark;

    // Small scenes of the status animation.
    QColor skyTop;
    QColor skyBottom;
    QColor ground;
    QColor groundLine;
    QColor figure;
    QColor smoke;
    QColor faceBackdrop;

    static std::vector<SetStyle> All();
};

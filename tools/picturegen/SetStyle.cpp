#include "SetStyle.h"

std::vector<SetStyle> SetStyle::All()
{
    SetStyle standard;
    standard.name = "standard";
    standard.deskTop = QColor(184, 197, 214);
    standard.deskBottom = QColor(220, 227, 237);
    standard.skin = QColor(240, 204, 178);
    standard.skinShade = QColor(224, 182, 154);
    standard.skinLine = QColor(150, 104, 84);
    standard.nail = QColor(242, 210, 198);
    standard.nailLine = QColor(194, 148, 132);
    standard.handShadow = QColor(40, 52, 76, 60);
    standard.stripTop = QColor(202, 216, 233);
    standard.stripBottom = QColor(232, 238, 245);
    standard.stripLine = QColor(150, 168, 192);
    standard.paper = QColor(247, 245, 239);
    standard.paperMark = QColor(232, 228, 218);
    standard.skyTop = QColor(168, 198, 228);
    standard.skyBottom = QColor(210, 224, 237);
    standard.ground = QColor(164, 192, 142);
    standard.groundLine = QColor(118, 150, 104);
    standard.figure = QColor(56, 76, 108);
    standard.smoke = QColor(186, 190, 200);
    standard.faceBackdrop = QColor(204, 220, 236);

    SetStyle night;
    night.name = "nacht";
    night.night = true;
    night.deskTop = QColor(24, 30, 58);
    night.deskBottom = QColor(48, 58, 96);
    night.skin = QColor(218, 184, 164);
    night.skinShade = QColor(190, 152, 136);
    night.skinLine = QColor(96, 66, 62);
    night.nail = QColor(230, 208, 200);
    night.nailLine = QColor(160, 124, 116);
    night.handShadow = QColor(0, 0, 12, 110);
    night.stripTop = QColor(22, 30, 62);
    night.stripBottom = QColor(46, 58, 102);
    night.stripLine = QColor(96, 110, 160);
    night.paper = QColor(229, 233, 245);
    night.paperMark = QColor(200, 208, 234);
    night.skyTop = QColor(16, 22, 52);
    night.skyBottom = QColor(44, 56, 100);
    night.ground = QColor(38, 52, 70);
    night.groundLine = QColor(70, 90, 108);
    night.figure = QColor(212, 218, 234);
    night.smoke = QColor(128, 134, 160);
    night.faceBackdrop = QColor(36, 46, 86);

    return {standard, night};
}

#pragma once

#include <QPixmap>

#include <vector>

// The small images of the lesson and key lists, drawn in code: how well a lesson went, from
// a white disc (far below the error limit) over three faces to a black disc (at or over
// it), and two bars for a lesson without a completed result; then the heading marks of the
// results' key lists: a triangle up or down on the heading's face, and the face alone.
// Their index is the one UserProfile::ProgressIcon and KeySortState give.
class ProgressIcons
{
public:
    static constexpr int kWhiteDisc = 0;
    static constexpr int kSmilingFace = 1;
    static constexpr int kNeutralFace = 2;
    static constexpr int kSadFace = 3;
    static constexpr int kBlackDisc = 4;
    static constexpr int kNoResult = 5;
    static constexpr int kSortUp = 6;
    static constexpr int kSortDown = 7;
    static constexpr int kPlainBox = 8;
    static constexpr int kCount = 9;
    static constexpr int kSize = 16;

    // One image, kSize x kSize with a transparent background; an unknown index gives
    // an empty transparent image.
    static QPixmap Image(int icon);
    // All images in index order, for a list's small-image list.
    static std::vector<QPixmap> Strip();
};

#pragma once

#include <QImage>

#include <array>

// The pictures the keyboard view draws. The application holds them; the view only keeps
// these pointers, so a picture loaded anew into the same image (another picture set) is
// drawn from the next drawing on. A null pointer or a null image draws nothing.
struct KeyboardViewPictures
{
    // wellcome2.jpg: the whole window while no lesson is loaded.
    const QImage* welcome = nullptr;
    // HandsBG.jpg of the picture set.
    const QImage* handsBackground = nullptr;
    // StatBG.jpg of the picture set.
    const QImage* statusBackground = nullptr;
    // Background.jpg of the picture set, tiled behind the text and beside the keyboard.
    const QImage* background = nullptr;
    // movies[n] is Movie<n + 1>.jpg of the picture set.
    std::array<const QImage*, 8> movies{};
    // wellcome.jpg: its top-left corner is the first canvas of the status animation.
    const QImage* animationCanvas = nullptr;
};

#pragma once

#include <QImage>

#include <array>
#include <vector>

struct SetStyle;

// The eight strips of the status animation, Movie1.jpg to Movie8.jpg: rows of
// 50 × 50 frames. Movie1 to Movie4 show the speed (snail, walker, runner, rocket),
// Movie5 to Movie8 the error rate (from a beaming to a sad face).
class MovieStrips
{
public:
    static constexpr int kFrameSize = 50;
    static constexpr int StripCount = 8;

    static std::array<QImage, StripCount> Build(const SetStyle& style);

    // Movie1 and Movie4 draw frames 1 and up over frame 0 with white as the
    // transparent colour. Every 8 × 8 block in which such a frame matches frame 0
    // becomes pure white; JPEG keeps flat white blocks exact, so no pale fringe is
    // copied onto the canvas. Other blocks keep the whole picture, frame 0 included.
    static QImage KeyedStrip(const std::vector<QImage>& frames);
    static QImage PlainStrip(const std::vector<QImage>& frames);
};

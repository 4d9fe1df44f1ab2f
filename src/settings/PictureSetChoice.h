#pragma once

#include <string>
#include <vector>

// Which entry of the picture-set list stands for `pictureSet`, and back. Names are
// Windows-1250 text, compared without regard to letter case.
class PictureSetChoice
{
public:
    // The first name that begins with `pictureSet`; -1 when none does.
    static int Find(const std::vector<std::string>& names, const std::string& pictureSet);

    // The name at `index`. With nothing selected (or no such entry) `current` stays: an
    // empty name names no picture set, and a set that cannot load ends the program.
    static std::string Chosen(const std::vector<std::string>& names, int index, const std::string& current);

    // Whether `text` begins with `prefix`, letter case ignored (Windows-1250 letters).
    static bool BeginsWith(const std::string& text, const std::string& prefix);
};

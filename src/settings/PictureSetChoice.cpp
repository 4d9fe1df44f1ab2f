#include "settings/PictureSetChoice.h"

namespace {

// The small letter of a Windows-1250 capital; other bytes stay.
unsigned char Folded(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: // S caron
    case 0x8C: // S acute
    case 0x8D: // T caron
    case 0x8E: // Z caron
    case 0x8F: // Z acute
        return static_cast<unsigned char>(c + 0x10);
    case 0xA3: // L stroke
        return 0xB3;
    case 0xA5: // A ogonek
        return 0xB9;
    case 0xAA: // S cedilla
        return 0xBA;
    case 0xAF: // Z dot
        return 0xBF;
    case 0xBC: // L caron
        return 0xBE;
    default:
        return c;
    }
}

} // namespace

int PictureSetChoice::Find(const std::vector<std::string>& names, const std::string& pictureSet)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (BeginsWith(names[i], pictureSet))
            return static_cast<int>(i);
    }
    return -1;
}

std::string PictureSetChoice::Chosen(const std::vector<std::string>& names, int index,
                                     const std::string& current)
{
    if (index < 0 || index >= static_cast<int>(names.size()))
        return current;
    return names[static_cast<std::size_t>(index)];
}

bool PictureSetChoice::BeginsWith(const std::string& text, const std::string& prefix)
{
    if (prefix.size() > text.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Folded(static_cast<unsigned char>(text[i])) != Folded(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

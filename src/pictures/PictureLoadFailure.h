#pragma once

#include <string>

// Why a picture did not load, with the text the user is shown for it.
struct PictureLoadFailure
{
    enum class Kind
    {
        None,
        CannotOpen,  // "JPEG :\nCan't open <path>\n"
        FatalError,  // the JPEG library's message: corrupt, truncated or unsupported data
        OutOfMemory, // "JpegFile :\nOut of memory", also for pictures beyond MaxPicturePixels
    };

    Kind kind = Kind::None;
    std::string message;

    static PictureLoadFailure MakeCannotOpen(const std::string& path);
    static PictureLoadFailure MakeFatalError(std::string libraryMessage);
    static PictureLoadFailure MakeOutOfMemory();
};

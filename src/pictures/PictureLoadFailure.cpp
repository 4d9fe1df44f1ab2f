#include "pictures/PictureLoadFailure.h"

#include <utility>

PictureLoadFailure PictureLoadFailure::MakeCannotOpen(const std::string& path)
{
    return {Kind::CannotOpen, "JPEG :\nCan't open " + path + "\n"};
}

PictureLoadFailure PictureLoadFailure::MakeFatalError(std::string libraryMessage)
{
    return {Kind::FatalError, std::move(libraryMessage)};
}

PictureLoadFailure PictureLoadFailure::MakeOutOfMemory()
{
    return {Kind::OutOfMemory, "JpegFile :\nOut of memory"};
}

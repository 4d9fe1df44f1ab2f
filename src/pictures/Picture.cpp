#include "pictures/Picture.h"

#include <new>
#include <stdexcept>

void Picture::Clear()
{
    width = 0;
    height = 0;
    rgb.clear();
    rgb.shrink_to_fit();
}

bool Picture::Allocate(int newWidth, int newHeight)
{
    Clear();
    if (newWidth <= 0 || newHeight <= 0) {
        return false;
    }
    try {
        rgb.assign(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight) * 3, 0);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    width = newWidth;
    height = newHeight;
    return true;
}

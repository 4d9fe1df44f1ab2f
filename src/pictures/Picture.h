#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A decoded picture: rows top to bottom, every pixel three bytes red, green, blue.
// Empty (0 × 0, no bytes) until loaded.
struct Picture
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb; // width × height × 3 bytes

    bool IsEmpty() const { return width <= 0 || height <= 0; }
    void Clear();

    // Makes a picture of that size with every byte 0; false (and empty) without memory.
    bool Allocate(int newWidth, int newHeight);

    std::size_t RowBytes() const { return static_cast<std::size_t>(width) * 3; }

    // The three bytes of pixel (x, y); the caller keeps x and y inside the picture.
    const std::uint8_t* PixelAt(int x, int y) const { return rgb.data() + Offset(x, y); }
    std::uint8_t* PixelAt(int x, int y) { return rgb.data() + Offset(x, y); }

private:
    std::size_t Offset(int x, int y) const
    {
        return static_cast<std::size_t>(y) * RowBytes() + static_cast<std::size_t>(x) * 3;
    }
};

#pragma once

#include "pictures/PictureLoadFailure.h"

#include <QImage>

#include <string>

class QWidget;

// Loads the program's JPEG pictures as images to draw.
class PictureLoader
{
public:
    // On failure shows the message for it (PictureMessages) over `parent`, leaves
    // `picture` null and returns false.
    static bool Load(const std::string& path, QImage& picture, QWidget* parent = nullptr);

    // The same without a message; `failure` tells what went wrong.
    static bool LoadSilently(const std::string& path, QImage& picture, PictureLoadFailure& failure);
};

#include "pictures/PictureLoader.h"

#include "pictures/LoadJpegPicture.h"
#include "pictures/PictureImage.h"
#include "pictures/PictureMessages.h"

#include <utility>

bool PictureLoader::Load(const std::string& path, QImage& picture, QWidget* parent)
{
    PictureLoadFailure failure;
    if (LoadSilently(path, picture, failure)) {
        return true;
    }
    PictureMessages::ShowLoadFailure(failure, parent);
    return false;
}

bool PictureLoader::LoadSilently(const std::string& path, QImage& picture, PictureLoadFailure& failure)
{
    picture = QImage();
    Picture decoded;
    if (!LoadJpegPicture(path, decoded, &failure)) {
        return false;
    }
    QImage image = PictureImage::FromPicture(decoded);
    if (image.isNull()) {
        failure = PictureLoadFailure::MakeOutOfMemory();
        return false;
    }
    picture = std::move(image);
    return true;
}

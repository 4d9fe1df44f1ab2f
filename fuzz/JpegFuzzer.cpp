// The JPEG loader of the background, hands and film pictures. A picture it accepts
// must be as large as it says.
#include "fuzz/FuzzSupport.h"
#include "pictures/LoadJpegPicture.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::FolderFile("pictures", "input.jpg");
    fuzz::WriteRawFile(path, std::string_view(reinterpret_cast<const char*>(data), size));
    Picture picture;
    PictureLoadFailure failure{};
    if (LoadJpegPicture(path, picture, &failure)) {
        fuzz::Check(!picture.IsEmpty() &&
                        picture.rgb.size() == picture.RowBytes() * static_cast<std::size_t>(picture.height),
                    "a loaded picture's bytes do not match its size");
    } else {
        fuzz::Check(picture.IsEmpty() && picture.rgb.empty(), "a picture that failed to load is not empty");
    }
    return 0;
}

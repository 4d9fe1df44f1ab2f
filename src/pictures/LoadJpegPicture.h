#pragma once

#include "pictures/Picture.h"
#include "pictures/PictureLoadFailure.h"

#include <cstddef>
#include <cstdint>
#include <string>

// Larger pictures are refused as out of memory before anything is decoded, so a
// damaged header cannot claim gigabytes. The installed pictures stay far below.
inline constexpr std::int64_t MaxPicturePixels = std::int64_t{1} << 25;

// Progressive files with more scans than this are refused: each scan costs a pass over
// the whole picture, and real files have a few dozen at most.
inline constexpr int kMaxJpegScans = 500;

// Decodes the JPEG file at `path` into `picture` as top-down RGB rows. Greyscale files
// give three equal bytes per pixel, CMYK and YCCK files are converted to RGB. False when
// the file cannot be opened, the data is corrupt, truncated or of an unsupported kind,
// or memory runs out; `picture` is then empty and `failure` (if given) tells why.
bool LoadJpegPicture(const std::string& path, Picture& picture, PictureLoadFailure* failure = nullptr);

// The same for the `size` bytes of a JPEG file at `data`, with the same failures and
// messages as the file would give (except that nothing has to be opened).
bool DecodeJpegPicture(const std::uint8_t* data, std::size_t size, Picture& picture,
                       PictureLoadFailure* failure = nullptr);

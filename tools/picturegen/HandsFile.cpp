#include "HandsFile.h"

#include "AtomicFile.h"
#include "HandGeometry.h"

namespace {

// Weight 1 gives a pen three hand units wide; the colour does not matter because
// the finger is drawn inverted.
constexpr int Weight = 1;

} // namespace

std::string HandsFile::Text()
{
    std::string text;
    for (int finger = 0; finger < HandGeometry::kFingerCount; ++finger) {
        bool first = true;
        for (const QPoint& p : HandGeometry::OutlineInUnits(finger)) {
            text += std::to_string(p.x()) + ':' + std::to_string(p.y()) + ':' + (first ? '0' : '1') + ':' +
                    std::to_string(Weight) + ":0:0:0:\n";
            first = false;
        }
        text += "END\n";
    }
    return text;
}

bool HandsFile::Write(const std::string& path)
{
    return AtomicFile::Write(path, Text());
}

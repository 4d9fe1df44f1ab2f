#include "keyboard/KeyboardKey.h"

#include "resources/SaturatingInt.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kKeyUnits = 16;
constexpr int kRowUnits = 19;

int Add(int a, int b)
{
    return SaturatingInt::FromWide(static_cast<std::int64_t>(a) + b);
}

int Sub(int a, int b)
{
    return SaturatingInt::FromWide(static_cast<std::int64_t>(a) - b);
}

} // namespace

int KeyboardKey::WidthUnits() const
{
    if (size >= 10)
        return size;
    if (size >= 1)
        return size * kKeyUnits;
    if (size == 0)
        return 0;
    return kKeyUnits;
}

int KeyboardKey::HeightUnits() const
{
    if (size >= 0)
        return kKeyUnits;
    if (size >= -9)
        return kRowUnits * -size - 3;
    return SaturatingInt::FromWide(-static_cast<std::int64_t>(size));
}

KeyboardKey::PixelRect KeyboardKey::PixelRectIn(const Area& area) const
{
    const double height = static_cast<double>(area.bottom) - area.top;
    const double unit = height * 0.01;
    const double x0 = (static_cast<double>(area.rightEdge) - area.leftMargin - 3 * height) * 0.5;
    const double keyHeight = kKeyUnits * unit;

    PixelRect rect;
    rect.left = SaturatingInt::FromReal(x0 + left * unit);
    rect.top = Add(area.top, SaturatingInt::FromReal(top * unit));
    double width = 0;
    if (size >= 10) {
        width = size * unit;
        rect.bottom = Add(rect.top, SaturatingInt::FromReal(keyHeight));
    } else if (size >= 1) {
        width = size * kKeyUnits * unit;
        rect.bottom = Add(rect.top, SaturatingInt::FromReal(keyHeight));
    } else if (size == 0) {
        rect.bottom = Add(rect.top, SaturatingInt::FromReal(keyHeight));
    } else if (size >= -9) {
        width = keyHeight;
        rect.bottom = Sub(Add(rect.top, SaturatingInt::FromReal(-3 * unit)),
                          SaturatingInt::FromReal(size * unit * kRowUnits));
    } else {
        width = keyHeight;
        rect.bottom = Sub(rect.top, SaturatingInt::FromReal(size * unit));
    }
    rect.right = Add(rect.left, SaturatingInt::FromReal(width));
    rect.corner = SaturatingInt::FromReal(keyHeight * 0.125);
    return rect;
}

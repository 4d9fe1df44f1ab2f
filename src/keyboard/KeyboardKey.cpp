#include "keyboard/KeyboardKey.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kKeyUnits = 16;
constexpr int kRowUnits = 19;

int ClampToInt(long long value)
{
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

// Cuts toward zero like a C cast, but a value out of range stays at the range's end.
int Trunc(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int Add(int a, int b)
{
    return ClampToInt(static_cast<long long>(a) + b);
}

int Sub(int a, int b)
{
    return ClampToInt(static_cast<long long>(a) - b);
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
    return ClampToInt(-static_cast<long long>(size));
}

KeyboardKey::PixelRect KeyboardKey::PixelRectIn(const Area& area) const
{
    const double height = static_cast<double>(area.bottom) - area.top;
    const double unit = height * 0.01;
    const double x0 = (static_cast<double>(area.rightEdge) - area.leftMargin - 3 * height) * 0.5;
    const double keyHeight = kKeyUnits * unit;

    PixelRect rect;
    rect.left = Trunc(x0 + left * unit);
    rect.top = Add(area.top, Trunc(top * unit));
    double width = 0;
    if (size >= 10) {
        width = size * unit;
        rect.bottom = Add(rect.top, Trunc(keyHeight));
    } else if (size >= 1) {
        width = size * kKeyUnits * unit;
        rect.bottom = Add(rect.top, Trunc(keyHeight));
    } else if (size == 0) {
        rect.bottom = Add(rect.top, Trunc(keyHeight));
    } else if (size >= -9) {
        width = keyHeight;
        rect.bottom = Sub(Add(rect.top, Trunc(-3 * unit)), Trunc(size * unit * kRowUnits));
    } else {
        width = keyHeight;
        rect.bottom = Sub(rect.top, Trunc(size * unit));
    }
    rect.right = Add(rect.left, Trunc(width));
    rect.corner = Trunc(keyHeight * 0.125);
    return rect;
}

#include "exercise/LimitValues.h"

#include "resources/StringTable.h"

namespace {

constexpr int kNumberBetween = 61715;
constexpr int kIntegerBetween = 61714;

std::string Between(int id, const std::string& low, const std::string& high)
{
    std::string text = StringTable::Utf8(id);
    if (const auto p = text.find("%1"); p != std::string::npos)
        text.replace(p, 2, low);
    if (const auto p = text.find("%2"); p != std::string::npos)
        text.replace(p, 2, high);
    return text;
}

} // namespace

std::string LimitValues::ValidationMessage() const
{
    // Written as "not inside" so that NaN is refused too.
    if (!(speedLimit >= kMinSpeed && speedLimit <= kMaxSpeed))
        return Between(kNumberBetween, "20", "999");
    if (!(errorLimit >= kMinError && errorLimit <= kMaxError))
        return Between(kNumberBetween, "0.1", "10");
    if (minutes < kMinMinutes || minutes > kMaxMinutes)
        return Between(kIntegerBetween, "1", "60");
    return {};
}

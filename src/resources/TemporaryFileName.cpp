#include "resources/TemporaryFileName.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::string_view kSuffix = ".tmp";

bool AllDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

} // namespace

std::string TemporaryFileName::For(const std::string& target, long pid, unsigned serial)
{
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    return folder + "." + name + "." + std::to_string(pid) + "-" + std::to_string(serial) +
           std::string(kSuffix);
}

int TemporaryFileName::Create(const std::string& target, std::string& path)
{
    static std::atomic<unsigned> serial{0};
    // A name can only be taken already when a killed writer had this process id before.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = For(target, ::getpid(), serial++);
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            path = candidate;
            return fd;
        }
        if (errno != EEXIST)
            return -1;
    }
    errno = EEXIST;
    return -1;
}

std::optional<long> TemporaryFileName::WriterOf(const std::string& fileName)
{
    std::string_view name(fileName);
    if (name.size() <= kSuffix.size() || name.substr(name.size() - kSuffix.size()) != kSuffix)
        return std::nullopt;
    name.remove_suffix(kSuffix.size());
    const std::size_t dot = name.rfind('.');
    // A leading dot and at least one character of the target's name before the writer.
    if (name.empty() || name.front() != '.' || dot == std::string_view::npos || dot < 2)
        return std::nullopt;
    std::string_view writer = name.substr(dot + 1);
    const std::string_view pid = writer.substr(0, writer.find('-'));
    if (!AllDigits(pid))
        return std::nullopt;
    for (std::string_view rest = writer.substr(pid.size()); !rest.empty();) {
        rest.remove_prefix(1); // the '-'
        const std::string_view part = rest.substr(0, rest.find('-'));
        if (!AllDigits(part))
            return std::nullopt;
        rest.remove_prefix(part.size());
    }
    long value = 0;
    const auto [end, error] = std::from_chars(pid.data(), pid.data() + pid.size(), value);
    if (error != std::errc() || end != pid.data() + pid.size() || value <= 0)
        return std::nullopt;
    return value;
}

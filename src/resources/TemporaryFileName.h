#pragma once

#include <optional>
#include <string>

// The names of the temporary files that atomic writes put beside their targets:
// ".<name>.<pid>-<serial>.tmp". Hidden, so that folder listings never show a half-written
// file; the writer's process id tells a later start which files a killed writer left.
class TemporaryFileName
{
public:
    // The name for `target` written by process `pid`, in the target's folder.
    static std::string For(const std::string& target, long pid, unsigned serial);

    // Creates the next free temporary file beside `target` for this process (exclusive,
    // close-on-exec, mode 0666 less the umask) and stores its path. The descriptor, or -1
    // with errno set.
    static int Create(const std::string& target, std::string& path);

    // The writer's process id when `fileName` (without folder) is such a name; names from
    // before the serial (".<name>.<pid>-<n>-<n>.tmp") count too.
    static std::optional<long> WriterOf(const std::string& fileName);
};

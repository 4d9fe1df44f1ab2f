#include "resources/StaleTemporaryFiles.h"

#include "resources/TemporaryFileName.h"

#include <cerrno>
#include <csignal>
#include <limits>
#include <system_error>

int StaleTemporaryFiles::Remove(const std::string& folder, std::filesystem::file_time_type startedAt,
                                const ProcessAlive& alive)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator entries(folder, ec);
    if (ec)
        return 0;
    int removed = 0;
    for (const fs::directory_entry& entry : entries) {
        const std::optional<long> writer = TemporaryFileName::WriterOf(entry.path().filename().string());
        if (!writer || !entry.is_regular_file(ec) || entry.is_symlink(ec))
            continue;
        // A file of this start's own time may belong to a writer in another process
        // namespace that the process check cannot see.
        const fs::file_time_type changed = fs::last_write_time(entry.path(), ec);
        if (ec || changed >= startedAt || alive(*writer))
            continue;
        if (fs::remove(entry.path(), ec))
            ++removed;
    }
    return removed;
}

bool StaleTemporaryFiles::IsProcessAlive(long pid)
{
    // Not a process id at all: nothing to decide on, so the file stays.
    if (pid <= 0 || pid > std::numeric_limits<pid_t>::max())
        return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

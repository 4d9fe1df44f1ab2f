#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Clears away what writers killed in the middle of a save left in a folder: their
// temporary files (see TemporaryFileName) never became the target and nobody else removes
// them.
class StaleTemporaryFiles
{
public:
    using ProcessAlive = std::function<bool(long pid)>;

    // Removes the regular files directly in `folder` that carry a temporary file's name,
    // were last changed before `startedAt` and whose writer `alive` reports gone. Anything
    // else stays, a running writer's file above all. Returns how many were removed.
    static int Remove(const std::string& folder, std::filesystem::file_time_type startedAt,
                      const ProcessAlive& alive);

    // Whether a process with this id exists; one of another user counts as running.
    static bool IsProcessAlive(long pid);
};

#include "AtomicFile.h"

#include "resources/TemporaryFileName.h"

#include <cstdio>
#include <filesystem>
#include <system_error>
#include <unistd.h>

bool AtomicFile::Write(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target(path);
    std::error_code error;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
    }
    std::string temporary;
    const int fd = TemporaryFileName::Create(path, temporary);
    if (fd < 0) {
        return false;
    }
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        ::close(fd);
        std::filesystem::remove(temporary, error);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

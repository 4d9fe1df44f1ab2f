#include "AtomicFile.h"

#include "resources/AtomicFileWriter.h"

#include <filesystem>
#include <system_error>

bool AtomicFile::Write(const std::string& path, const std::string& bytes)
{
    const std::filesystem::path target(path);
    std::error_code error;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), error);
    }
    return AtomicFileWriter::WriteFile(path, bytes);
}

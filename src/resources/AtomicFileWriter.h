#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <sys/types.h>

// Replaces a file so that readers see either the old or the whole new content: the bytes
// go to a temporary file beside the target, which is synced, renamed over the target, and
// the folder entry synced too. Until Commit() the target stays as it was; a writer
// destroyed without Commit() removes its temporary file. Failures leave a message naming
// the file and the system's reason in Error().
class AtomicFileWriter
{
public:
    explicit AtomicFileWriter(std::string target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    // Creates the temporary file. Its permissions are `mode` when given, else those of
    // the file it replaces (the umask's default for a new file).
    bool Open(std::optional<mode_t> mode = std::nullopt);
    bool Write(const void* data, std::size_t size);
    // Syncs and closes the temporary file and renames it over the target.
    bool Commit();
    // Drops the temporary file; the target is left alone.
    void Discard();

    const std::string& Target() const { return m_target; }
    const std::string& TemporaryPath() const { return m_temporary; }
    const std::string& Error() const { return m_error; }

    // The whole of `bytes` as the new content of `target`; the message on failure goes
    // to `error` when given.
    static bool WriteFile(const std::string& target, const std::string& bytes, std::string* error = nullptr);

private:
    bool Fail(const std::string& what, const std::string& path);

    std::string m_target;
    std::string m_temporary;
    std::string m_error;
    int m_fd = -1;
};

#include "resources/AtomicFileWriter.h"

#include "resources/TemporaryFileName.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The rename is durable only once the folder entry itself is on disk; a failure here
// cannot undo the replacement, so it is not reported.
void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

AtomicFileWriter::AtomicFileWriter(std::string target)
    : m_target(std::move(target))
{}

AtomicFileWriter::~AtomicFileWriter()
{
    Discard();
}

bool AtomicFileWriter::Fail(const std::string& what, const std::string& path)
{
    m_error = what + " " + path + ": " + std::strerror(errno);
    Discard();
    return false;
}

bool AtomicFileWriter::Open(std::optional<mode_t> mode)
{
    Discard();
    m_error.clear();
    m_fd = TemporaryFileName::Create(m_target, m_temporary);
    if (m_fd < 0) {
        m_temporary.clear();
        return Fail("cannot create a temporary file beside", m_target);
    }
    if (mode) {
        if (::fchmod(m_fd, *mode) != 0)
            return Fail("cannot set the permissions of", m_temporary);
        return true;
    }
    // A replaced file keeps its permissions.
    struct stat target
    {};
    if (::stat(m_target.c_str(), &target) == 0 && S_ISREG(target.st_mode))
        ::fchmod(m_fd, target.st_mode & 07777);
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size)
{
    if (m_fd < 0) {
        errno = EBADF;
        return Fail("cannot write", m_temporary.empty() ? m_target : m_temporary);
    }
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(m_fd, bytes, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return Fail("cannot write", m_temporary);
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool AtomicFileWriter::Commit()
{
    if (m_fd < 0) {
        errno = EBADF;
        return Fail("cannot write", m_temporary.empty() ? m_target : m_temporary);
    }
    if (::fsync(m_fd) != 0)
        return Fail("cannot write", m_temporary);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return Fail("cannot close", m_temporary);
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return Fail("cannot replace", m_target);
    m_temporary.clear();
    SyncFolder(FolderOf(m_target));
    return true;
}

void AtomicFileWriter::Discard()
{
    const int saved = errno;
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
    errno = saved;
}

bool AtomicFileWriter::WriteFile(const std::string& target, const std::string& bytes, std::string* error)
{
    AtomicFileWriter writer(target);
    const bool ok = writer.Open() && writer.Write(bytes.data(), bytes.size()) && writer.Commit();
    if (!ok && error != nullptr)
        *error = writer.Error();
    return ok;
}

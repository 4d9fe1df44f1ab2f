#include "users/FileCopy.h"

#include "resources/TemporaryFileName.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct FdCloser
{
    int fd = -1;
    ~FdCloser()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool CopyContents(int in, int out)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (!WriteAll(out, buffer, static_cast<size_t>(n)))
            return false;
    }
}

} // namespace

bool FileCopy::CopyAtomically(const std::string& from, const std::string& to)
{
    if (from.empty() || to.empty())
        return false;
    FdCloser in{::open(from.c_str(), O_RDONLY | O_CLOEXEC)};
    // Only regular files: a device or pipe could block the copy for good.
    struct stat info
    {};
    if (in.fd < 0 || ::fstat(in.fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;

    std::string temp;
    FdCloser out{TemporaryFileName::Create(to, temp)};
    if (out.fd < 0)
        return false;
    // User files hold password hashes: readable by their owner only, as before.
    bool ok = ::fchmod(out.fd, S_IRUSR | S_IWUSR) == 0;
    ok = ok && CopyContents(in.fd, out.fd) && ::fsync(out.fd) == 0;
    ok = (::close(out.fd) == 0) && ok;
    out.fd = -1;
    if (ok && ::rename(temp.c_str(), to.c_str()) == 0)
        return true;
    ::unlink(temp.c_str());
    return false;
}

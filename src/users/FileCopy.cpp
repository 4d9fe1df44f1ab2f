#include "users/FileCopy.h"

#include "resources/AtomicFileWriter.h"

#include <cerrno>
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

bool CopyContents(int in, AtomicFileWriter& out)
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
        if (!out.Write(buffer, static_cast<size_t>(n)))
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

    AtomicFileWriter out(to);
    // User files hold password hashes: readable by their owner only, as before.
    return out.Open(S_IRUSR | S_IWUSR) && CopyContents(in.fd, out) && out.Commit();
}

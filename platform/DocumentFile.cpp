#include "platform/DocumentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/ProfileFile.h"

namespace platform {

namespace {

// The permissions a new file of the user gets: 0666 less the process's umask.
mode_t NewUserFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The path a replacement renames onto: the target of a symbolic link, else path itself.
std::string ReplacedPath(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        return path;
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

}  // namespace

bool IsReadableDocumentFile(const std::string& path) {
    if (path.empty())
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    return regular;
}

DocumentRead ReadDocumentFile(const std::string& path, std::size_t maxBytes) {
    DocumentRead read;
    read.fault = DocumentReadFault::kCannotOpen;
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        read.error = path.empty() ? ENOENT : errno;
        return read;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        read.error = EINVAL;
        ::close(fd);
        return read;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            read.error = errno;
            ::close(fd);
            return read;
        }
        if (n == 0)
            break;
        if (bytes.size() + static_cast<size_t>(n) > maxBytes) {
            ::close(fd);
            read.fault = DocumentReadFault::kTooLarge;
            return read;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    read.fault = DocumentReadFault::kNone;
    read.bytes = std::move(bytes);
    return read;
}

int WriteDocumentFile(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return ENOENT;
    const std::string target = ReplacedPath(path);
    struct stat status {};
    const mode_t mode = ::stat(target.c_str(), &status) == 0 ? (status.st_mode & 07777) : NewUserFileMode();
    return ReplaceProfileFile(target, bytes, false, mode);
}

}  // namespace platform

#include "platform/DocumentFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/LinkRules.h"
#include "platform/MachineDirectory.h"
#include "platform/ProfileFile.h"

namespace platform {

namespace {

// The permissions a new file of the user gets: 0666 less the process's umask.
mode_t NewUserFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// What decides whether the symbolic link at path may be followed.
LinkFacts FactsOfLink(const std::string& path, const struct stat& link) {
    LinkFacts facts;
    facts.linkOwner = link.st_uid;
    facts.user = ::geteuid();
    struct stat directory {};
    if (::stat(DirectoryOf(path).c_str(), &directory) == 0) {
        facts.directoryOwner = directory.st_uid;
        facts.directorySticky = (directory.st_mode & S_ISVTX) != 0;
        facts.directoryWritableByAll = (directory.st_mode & S_IWOTH) != 0;
    }
    return facts;
}

DocumentWrite Refused(DocumentWriteFault fault, int error = 0) {
    return {fault, error};
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

DocumentWrite WriteDocumentFile(const std::string& path, std::string_view bytes) {
    if (path.empty())
        return Refused(DocumentWriteFault::kSystemError, ENOENT);
    std::string target = path;
    struct stat status {};
    if (::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
        if (!MayFollowLink(FactsOfLink(path, status)))
            return Refused(DocumentWriteFault::kForeignLink, EACCES);
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved))
            target = resolved;
    }
    mode_t mode = NewUserFileMode();
    if (::stat(target.c_str(), &status) == 0) {
        if (!S_ISREG(status.st_mode))
            return Refused(DocumentWriteFault::kNotRegular, EINVAL);
        if ((status.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
            return Refused(DocumentWriteFault::kReadOnly, EACCES);
        mode = status.st_mode & 07777;
    }
    RemoveOrphanedSiblings(target);
    if (const int error = ReplaceProfileFile(target, bytes, false, mode))
        return Refused(DocumentWriteFault::kSystemError, error);
    return {};
}

}  // namespace platform

#include "platform/TempFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace platform {

namespace {

std::string WithTrailingSlash(std::string dir) {
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

std::string TempFileName(const std::string& dir, const std::string& prefix, unsigned number) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", number);
    return WithTrailingSlash(dir) + prefix.substr(0, 3) + hex + ".tmp";
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// Only a plain file of ours with no other name may be overwritten.
bool IsOwnPlainFile(int fd) {
    struct stat info;
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
           info.st_nlink == 1;
}

}  // namespace

std::string GetTempPath() {
    const char* dir = std::getenv("TMPDIR");
    return WithTrailingSlash(dir && *dir ? dir : "/tmp");
}

std::string GetPrivateBasePath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    struct stat info;
    if (runtime && runtime[0] == '/' && ::stat(runtime, &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == ::geteuid() && (info.st_mode & 077) == 0)
        return WithTrailingSlash(runtime);
    return GetTempPath();
}

std::string MakePrivateDirectory(const std::string& dir, const std::string& prefix) {
    std::string path = WithTrailingSlash(dir) + prefix + "XXXXXX";
    return ::mkdtemp(path.data()) ? path : std::string();
}

bool RemoveDirectory(const std::string& path) {
    return ::rmdir(path.c_str()) == 0;
}

std::string GetTempFileName(const std::string& dir, const std::string& prefix, unsigned unique) {
    if (unique != 0)
        return TempFileName(dir, prefix, unique);
    // Numbers are tried from a start that differs between processes, as 16-bit values without 0.
    const unsigned start = static_cast<unsigned>(::getpid()) ^ static_cast<unsigned>(std::time(nullptr));
    for (unsigned step = 0; step < 0xFFFF; ++step) {
        const unsigned number = (start + step) % 0xFFFF + 1;
        std::string name = TempFileName(dir, prefix, number);
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST)
            break;
    }
    return "";
}

bool DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
    // O_NONBLOCK keeps a planted FIFO from blocking the open; it changes nothing for a plain file.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool written = IsOwnPlainFile(fd) && ::ftruncate(fd, 0) == 0 && WriteAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

}  // namespace platform

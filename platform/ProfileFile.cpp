#include "platform/ProfileFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <ctime>
#include <utility>

#include "platform/MachineDirectory.h"
#include "platform/ProfileFileRules.h"

namespace platform {

namespace {

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return m_fd; }
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

  private:
    int m_fd;
};

FileIdentity IdentityFrom(const struct stat& status) {
    FileIdentity identity;
    identity.device = status.st_dev;
    identity.inode = status.st_ino;
    identity.size = status.st_size;
    identity.modifiedSeconds = status.st_mtim.tv_sec;
    identity.modifiedNanoseconds = status.st_mtim.tv_nsec;
    identity.changedSeconds = status.st_ctim.tv_sec;
    identity.changedNanoseconds = status.st_ctim.tv_nsec;
    return identity;
}

bool Settled(const struct stat& status, const timespec& now) {
    return IsSettled(status.st_mtim.tv_sec, status.st_mtim.tv_nsec, now.tv_sec, now.tv_nsec);
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Creates a new, uniquely named file beside path; -1 when none can be created (errno set).
int CreateSibling(const std::string& path, std::string& siblingPath) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = path.rfind('/');
    const std::string directory = path.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        siblingPath = directory +
                      SiblingName(path.substr(slash + 1), static_cast<unsigned long>(::getpid()), counter++);
        const int fd =
            ::open(siblingPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncDirectoryOf(const std::string& path) {
    FileDescriptor dir(::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

// A profile file in the machine directory is shared by the users of the machine: a new one is made
// readable for all and writable for its owner and group (the group of the machine directory, which
// passes it on), whatever the creator's umask.
constexpr mode_t kSharedFileMode = 0664;

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return IdentityFrom(status);
}

int ProfileFileWriteRefusal(const std::string& path) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS | AT_SYMLINK_NOFOLLOW) == 0 ? 0 : errno;
}

ProfileRead ReadProfileFile(const std::string& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
    if (file.Get() < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return RefusedProfile(ProfileFault::kMissing, error);
        struct stat status;
        if (error == ELOOP && ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
            return RefusedProfile(ProfileFault::kSymbolicLink);
        return RefusedProfile(ProfileFault::kSystemError, error);
    }
    struct stat status;
    if (::fstat(file.Get(), &status) != 0)
        return RefusedProfile(ProfileFault::kSystemError, errno);
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (!S_ISREG(status.st_mode))
        return RefusedProfile(ProfileFault::kNotRegular);
    if (static_cast<unsigned long long>(status.st_size) > kProfileMaxFileSize)
        return RefusedProfile(ProfileFault::kTooLarge);
    std::string text;
    text.reserve(static_cast<size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return RefusedProfile(ProfileFault::kSystemError, errno);
        if (n == 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
        if (text.size() > kProfileMaxFileSize)
            return RefusedProfile(ProfileFault::kTooLarge);
    }
    ProfileRead read = ProfileFromBytes(std::move(text));
    if (read.file) {
        read.file->identity = IdentityFrom(status);
        read.file->settled = Settled(status, now);
        read.file->permissions = status.st_mode & 0777;
    }
    return read;
}

int ReplaceProfileFile(const std::string& path, std::string_view text, bool byteOrderMark,
                       std::optional<mode_t> permissions) {
    std::string siblingPath;
    FileDescriptor sibling(CreateSibling(path, siblingPath));
    if (sibling.Get() < 0)
        return errno;
    const bool stored = ::fchmod(sibling.Get(), permissions.value_or(kSharedFileMode)) == 0 &&
                        (!byteOrderMark || WriteAll(sibling.Get(), kProfileByteOrderMark)) &&
                        WriteAll(sibling.Get(), text) && ::fsync(sibling.Get()) == 0 && sibling.Close() &&
                        ::rename(siblingPath.c_str(), path.c_str()) == 0;
    if (!stored) {
        const int error = errno;
        ::unlink(siblingPath.c_str());
        return error;
    }
    SyncDirectoryOf(path);
    return 0;
}

void RemoveOrphanedSiblings(const std::string& path) {
    DIR* dir = ::opendir(DirectoryOf(path).c_str());
    if (!dir)
        return;
    const std::string name = path.substr(path.rfind('/') + 1);
    const pid_t self = ::getpid();
    const uid_t user = ::geteuid();
    while (const dirent* entry = ::readdir(dir)) {
        const auto writer = static_cast<pid_t>(SiblingWriter(entry->d_name, name));
        if (writer == 0 || writer == self || ::kill(writer, 0) == 0 || errno != ESRCH)
            continue;
        struct stat status;
        if (::fstatat(::dirfd(dir), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_uid == user) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

}  // namespace platform

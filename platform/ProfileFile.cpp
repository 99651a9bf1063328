#include "platform/ProfileFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/MachineDirectory.h"

namespace platform {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
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

// How far from the time of reading a file's modification time must lie for the file to be known by
// its identity: well above the few milliseconds between the ticks of the clock of file times.
constexpr long long kSettlingNanoseconds = 50'000'000;

// A modification time far enough from now (before it, or after it, as a file from another clock may
// have) that no later modification can be given the same time.
bool Settled(const struct stat& status, const timespec& now) {
    const timespec& modified = status.st_mtim;
    // Any time may be set on a file; only one near now is compared to the nanosecond.
    if (modified.tv_sec < now.tv_sec - 1 || modified.tv_sec > now.tv_sec + 1)
        return true;
    const long long distance = static_cast<long long>(modified.tv_sec - now.tv_sec) * 1'000'000'000 +
                               (modified.tv_nsec - now.tv_nsec);
    return distance < -kSettlingNanoseconds || distance > kSettlingNanoseconds;
}

ProfileRead Refused(ProfileFault fault, int error = 0) {
    ProfileRead read;
    read.problem = {fault, error};
    return read;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
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

std::string NameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

// The prefix and suffix of a sibling's name around "PID.N".
std::string SiblingPrefix(const std::string& path) {
    return "." + NameOf(path) + ".";
}
constexpr std::string_view kSiblingSuffix = ".tmp";

// Creates a new, uniquely named file beside path; -1 when none can be created (errno set).
int CreateSibling(const std::string& path, std::string& siblingPath) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = path.rfind('/');
    const std::string directory = path.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char middle[48];
        std::snprintf(middle, sizeof middle, "%ld.%u", static_cast<long>(::getpid()), counter++);
        siblingPath = directory + SiblingPrefix(path) + middle + std::string(kSiblingSuffix);
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

// The writer's process id in a sibling's name ".NAME.PID.N.tmp", or 0 when the name is no sibling's.
pid_t SiblingWriter(std::string_view name, std::string_view prefix) {
    if (!StartsWith(name, prefix) || name.size() < prefix.size() + kSiblingSuffix.size() ||
        name.substr(name.size() - kSiblingSuffix.size()) != kSiblingSuffix) {
        return 0;
    }
    const std::string_view middle =
        name.substr(prefix.size(), name.size() - prefix.size() - kSiblingSuffix.size());
    const size_t dot = middle.find('.');
    const auto allDigits = [](std::string_view digits) {
        return !digits.empty() && digits.size() <= 10 &&
               digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dot == std::string_view::npos || !allDigits(middle.substr(0, dot)) ||
        !allDigits(middle.substr(dot + 1)))
        return 0;
    const long long pid = std::atoll(std::string(middle.substr(0, dot)).c_str());
    return pid > 0 && pid <= 0x7fffffff ? static_cast<pid_t>(pid) : 0;
}

}  // namespace

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds &&
           changedSeconds == other.changedSeconds && changedNanoseconds == other.changedNanoseconds;
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    struct stat status;
    if (::lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    return IdentityFrom(status);
}

ProfileRead ReadProfileFile(const std::string& path) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW));
    if (file.Get() < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            return Refused(ProfileFault::kMissing, error);
        struct stat status;
        if (error == ELOOP && ::lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode))
            return Refused(ProfileFault::kSymbolicLink);
        return Refused(ProfileFault::kSystemError, error);
    }
    struct stat status;
    if (::fstat(file.Get(), &status) != 0)
        return Refused(ProfileFault::kSystemError, errno);
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    if (!S_ISREG(status.st_mode))
        return Refused(ProfileFault::kNotRegular);
    if (static_cast<unsigned long long>(status.st_size) > kProfileMaxFileSize)
        return Refused(ProfileFault::kTooLarge);
    std::string text;
    text.reserve(static_cast<size_t>(status.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Refused(ProfileFault::kSystemError, errno);
        if (n == 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
        if (text.size() > kProfileMaxFileSize)
            return Refused(ProfileFault::kTooLarge);
    }
    if (StartsWith(text, "\xFF\xFE") || StartsWith(text, "\xFE\xFF"))
        return Refused(ProfileFault::kUtf16);
    if (text.find('\0') != std::string::npos)
        return Refused(ProfileFault::kNulByte);
    ProfileRead read;
    ProfileFile& accepted = read.file.emplace();
    accepted.identity = IdentityFrom(status);
    accepted.settled = Settled(status, now);
    accepted.permissions = status.st_mode & 0777;
    accepted.byteOrderMark = StartsWith(text, kByteOrderMark);
    if (accepted.byteOrderMark)
        text.erase(0, kByteOrderMark.size());
    accepted.text = ProfileText(std::move(text));
    return read;
}

int ReplaceProfileFile(const std::string& path, std::string_view text, bool byteOrderMark,
                       std::optional<mode_t> permissions) {
    std::string siblingPath;
    FileDescriptor sibling(CreateSibling(path, siblingPath));
    if (sibling.Get() < 0)
        return errno;
    const bool stored = ::fchmod(sibling.Get(), permissions.value_or(kSharedFileMode)) == 0 &&
                        (!byteOrderMark || WriteAll(sibling.Get(), kByteOrderMark)) &&
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
    const std::string prefix = SiblingPrefix(path);
    const pid_t self = ::getpid();
    const uid_t user = ::geteuid();
    while (const dirent* entry = ::readdir(dir)) {
        const pid_t writer = SiblingWriter(entry->d_name, prefix);
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

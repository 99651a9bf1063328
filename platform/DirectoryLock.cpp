#include "platform/DirectoryLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace platform {

namespace {

constexpr auto kLongestWait = std::chrono::seconds(3);
constexpr auto kRetry = std::chrono::milliseconds(2);

}  // namespace

DirectoryLock::DirectoryLock(const std::string& directory)
    : m_fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (m_fd < 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
    while (!(m_held = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0)) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > deadline)
            return;
        std::this_thread::sleep_for(kRetry);
    }
}

DirectoryLock::~DirectoryLock() {
    if (m_fd >= 0)
        ::close(m_fd);  // releases the lock
}

}  // namespace platform

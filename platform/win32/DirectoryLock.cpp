#include "platform/DirectoryLock.h"

#include <io.h>

#include <chrono>
#include <fcntl.h>
#include <thread>

#include "platform/win32/Wide.h"
#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

constexpr auto kLongestWait = std::chrono::seconds(3);
constexpr auto kRetry = std::chrono::milliseconds(2);

// Windows locks byte ranges of files, not directories: the lock is taken on a file of its own in the
// directory, which every user of the machine directory may open.
constexpr char kLockFileName[] = "\\.quellrix-lock";

}  // namespace

DirectoryLock::DirectoryLock(const std::string& directory) {
    const auto path = win32::WidePath(directory + kLockFileName);
    if (!path)
        return;
    const HANDLE file = ::CreateFileW(path->c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    m_fd = ::_open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR);
    if (m_fd < 0) {
        ::CloseHandle(file);
        return;
    }
    const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
    OVERLAPPED whole{};
    while (!(m_held = ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole) != 0)) {
        if (::GetLastError() != ERROR_LOCK_VIOLATION || std::chrono::steady_clock::now() > deadline)
            return;
        std::this_thread::sleep_for(kRetry);
    }
}

DirectoryLock::~DirectoryLock() {
    if (m_fd >= 0)
        ::_close(m_fd);  // closing the handle releases the lock
}

}  // namespace platform

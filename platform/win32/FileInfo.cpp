#include "platform/win32/FileInfo.h"

#include "platform/win32/Wide.h"

namespace platform::win32 {

namespace {

constexpr long long kTicksPerSecond = 10'000'000;
constexpr int kSharingRetries = 25;
constexpr DWORD kSharingRetryMilliseconds = 20;

}  // namespace

Handle OpenWithoutFollowing(const std::string& path, DWORD access, DWORD sharing) {
    const std::optional<std::wstring> wide = WidePath(path);
    if (!wide || wide->empty()) {
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return Handle();
    }
    for (int attempt = 0;; ++attempt) {
        HANDLE file = ::CreateFileW(wide->c_str(), access, sharing, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_SHARING_VIOLATION ||
            attempt == kSharingRetries)
            return Handle(file);
        ::Sleep(kSharingRetryMilliseconds);
    }
}

std::optional<FileInfo> InfoOf(HANDLE file) {
    FileInfo info;
    if (::GetFileType(file) != FILE_TYPE_DISK)  // a device, a pipe
        return info;
    if (!::GetFileInformationByHandle(file, &info.basic))
        return std::nullopt;
    const DWORD attributes = info.basic.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        info.kind = FileKind::kReparsePoint;
    else if (!(attributes & FILE_ATTRIBUTE_DIRECTORY))
        info.kind = FileKind::kRegular;
    return info;
}

long long Ticks(const FILETIME& time) {
    return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                  time.dwLowDateTime);
}

long long TickSeconds(long long ticks) {
    return ticks / kTicksPerSecond;
}

long long TickNanoseconds(long long ticks) {
    return ticks % kTicksPerSecond * 100;
}

}  // namespace platform::win32

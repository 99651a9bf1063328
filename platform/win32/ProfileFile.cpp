#include "platform/ProfileFile.h"

#include "platform/win32/WindowsApi.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <utility>

#include "platform/MachineDirectory.h"
#include "platform/ProfileFileRules.h"
#include "platform/win32/FileInfo.h"
#include "platform/win32/Wide.h"

namespace platform {

namespace {

using win32::FileKind;
using win32::Handle;

// A file's identity on Windows: its size, last write and creation time (a replacement is a file made
// anew). Asked for without opening the file, which under wine costs several round trips to its
// server at every read of a setting; volume and file index are therefore left out.
FileIdentity IdentityFrom(long long size, const FILETIME& written, const FILETIME& created) {
    FileIdentity identity;
    identity.size = size;
    const long long modified = win32::Ticks(written);
    identity.modifiedSeconds = win32::TickSeconds(modified);
    identity.modifiedNanoseconds = win32::TickNanoseconds(modified);
    const long long made = win32::Ticks(created);
    identity.changedSeconds = win32::TickSeconds(made);
    identity.changedNanoseconds = win32::TickNanoseconds(made);
    return identity;
}

long long SizeOf(DWORD high, DWORD low) {
    return static_cast<long long>((static_cast<unsigned long long>(high) << 32) | low);
}

FileIdentity IdentityFrom(const win32::FileInfo& info) {
    return IdentityFrom(SizeOf(info.basic.nFileSizeHigh, info.basic.nFileSizeLow), info.basic.ftLastWriteTime,
                        info.basic.ftCreationTime);
}

bool Settled(const FileIdentity& identity) {
    FILETIME now{};
    ::GetSystemTimePreciseAsFileTime(&now);
    const long long ticks = win32::Ticks(now);
    return IsSettled(identity.modifiedSeconds, identity.modifiedNanoseconds, win32::TickSeconds(ticks),
                     win32::TickNanoseconds(ticks));
}

bool WriteAll(HANDLE file, std::string_view data) {
    while (!data.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size(), 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, data.data(), chunk, &written, nullptr) || written == 0)
            return false;
        data.remove_prefix(written);
    }
    return true;
}

size_t NameStart(const std::string& path) {
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? 0 : separator + 1;
}

// Creates a new, uniquely named file beside path, open for writing and shared with no one until it
// is closed; an invalid handle when none can be created (the last error set).
Handle CreateSibling(const std::string& path, std::string& siblingPath) {
    static std::atomic<unsigned> counter{0};
    const size_t nameStart = NameStart(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        siblingPath = path.substr(0, nameStart) +
                      SiblingName(path.substr(nameStart), ::GetCurrentProcessId(), counter++);
        Handle sibling(::CreateFileW(win32::Widen(siblingPath).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        if (sibling.Valid() || ::GetLastError() != ERROR_FILE_EXISTS)
            return sibling;
    }
    return Handle();
}

// Renames the sibling over the file. Windows does not replace a file while any program holds it open
// (a reader only for the moment it reads), so a refusal is tried again for up to a second.
bool MoveOver(const std::wstring& sibling, const std::wstring& path) {
    for (int attempt = 0;; ++attempt) {
        if (::MoveFileExW(sibling.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        const DWORD error = ::GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || attempt == 100)
            return false;
        ::Sleep(10);
        ::SetLastError(error);
    }
}

bool ProcessIsGone(DWORD pid) {
    Handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process.Valid())
        return ::GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    return ::GetExitCodeProcess(process.Get(), &code) && code != STILL_ACTIVE;
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::string& path) {
    const std::optional<std::wstring> wide = win32::WidePath(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!wide || !::GetFileAttributesExW(wide->c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)))
        return std::nullopt;
    return IdentityFrom(SizeOf(data.nFileSizeHigh, data.nFileSizeLow), data.ftLastWriteTime,
                        data.ftCreationTime);
}

int ProfileFileWriteRefusal(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(win32::Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return win32::LastErrno();
    return attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_REPARSE_POINT) ? EACCES : 0;
}

// Readers let others read and replace the file, never write into it: a replacement is whole.
ProfileRead ReadProfileFile(const std::string& path) {
    const Handle file = win32::OpenWithoutFollowing(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE);
    if (!file.Valid()) {
        const int error = win32::LastErrno();
        // A link whose target cannot be opened is still a link.
        const DWORD attributes = ::GetFileAttributesW(win32::Widen(path).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            return RefusedProfile(ProfileFault::kSymbolicLink);
        return RefusedProfile(error == ENOENT ? ProfileFault::kMissing : ProfileFault::kSystemError, error);
    }
    const std::optional<win32::FileInfo> info = win32::InfoOf(file.Get());
    if (!info)
        return RefusedProfile(ProfileFault::kSystemError, win32::LastErrno());
    if (info->kind == FileKind::kReparsePoint)
        return RefusedProfile(ProfileFault::kSymbolicLink);
    if (info->kind != FileKind::kRegular)
        return RefusedProfile(ProfileFault::kNotRegular);
    const FileIdentity identity = IdentityFrom(*info);
    const bool settled = Settled(identity);
    if (static_cast<unsigned long long>(identity.size) > kProfileMaxFileSize)
        return RefusedProfile(ProfileFault::kTooLarge);
    std::string text;
    text.reserve(static_cast<size_t>(identity.size));
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr))
            return RefusedProfile(ProfileFault::kSystemError, win32::LastErrno());
        if (got == 0)
            break;
        text.append(buffer, got);
        if (text.size() > kProfileMaxFileSize)
            return RefusedProfile(ProfileFault::kTooLarge);
    }
    ProfileRead read = ProfileFromBytes(std::move(text));
    if (read.file) {
        read.file->identity = identity;
        read.file->settled = settled;
        read.file->permissions = info->basic.dwFileAttributes & FILE_ATTRIBUTE_READONLY ? 0444 : 0666;
    }
    return read;
}

// The new file takes the permissions of its folder (they are inherited on Windows); permissions are
// not used.
int ReplaceProfileFile(const std::string& path, std::string_view text, bool byteOrderMark,
                       std::optional<mode_t> /*permissions*/) {
    const std::optional<std::wstring> widePath = win32::WidePath(path);
    if (!widePath || widePath->empty())
        return ENOENT;
    std::string siblingPath;
    Handle sibling = CreateSibling(path, siblingPath);
    if (!sibling.Valid())
        return win32::LastErrno();
    const std::wstring wideSibling = win32::Widen(siblingPath);
    const bool stored = (!byteOrderMark || WriteAll(sibling.Get(), kProfileByteOrderMark)) &&
                        WriteAll(sibling.Get(), text) && ::FlushFileBuffers(sibling.Get()) &&
                        sibling.Close() && MoveOver(wideSibling, *widePath);
    if (!stored) {
        const int error = win32::LastErrno();
        sibling.Close();
        ::DeleteFileW(wideSibling.c_str());
        return error;
    }
    return 0;
}

void RemoveOrphanedSiblings(const std::string& path) {
    const size_t nameStart = NameStart(path);
    const std::string name = path.substr(nameStart);
    const std::string folder = path.substr(0, nameStart);
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileExW(win32::Widen(folder + "." + name + ".*").c_str(),
                                             FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::string entry = win32::Narrow(found.cFileName);
        const unsigned long writer = SiblingWriter(entry, name);
        if (writer == 0 || writer == ::GetCurrentProcessId() || !ProcessIsGone(writer) ||
            found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
            continue;
        ::DeleteFileW(win32::Widen(folder + entry).c_str());
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

}  // namespace platform

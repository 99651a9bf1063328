#include "platform/TempFiles.h"

#include "platform/win32/WindowsApi.h"

#include <aclapi.h>  // after windows.h

#include <memory>

#include "platform/win32/FileInfo.h"
#include "platform/win32/Wide.h"

namespace platform {

namespace {

using win32::Handle;

// The security identifier of the user this process runs as; empty when it cannot be asked.
std::unique_ptr<char[]> CurrentUser() {
    HANDLE token = nullptr;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token))
        return nullptr;
    const Handle owned(token);
    DWORD size = 0;
    ::GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::unique_ptr<char[]> user(new char[size == 0 ? 1 : size]);
    if (size == 0 || !::GetTokenInformation(token, TokenUser, user.get(), size, &size))
        return nullptr;
    return user;
}

bool OwnedByThisUser(HANDLE file) {
    PSID owner = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (::GetSecurityInfo(file, SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr, nullptr,
                          &descriptor) != ERROR_SUCCESS)
        return false;
    const std::unique_ptr<char[]> user = CurrentUser();
    const bool same = user && owner && ::EqualSid(owner, reinterpret_cast<TOKEN_USER*>(user.get())->User.Sid);
    ::LocalFree(descriptor);
    return same;
}

// Only a plain file of ours with no other name may be overwritten.
bool IsOwnPlainFile(HANDLE file) {
    const std::optional<win32::FileInfo> info = win32::InfoOf(file);
    return info && info->kind == win32::FileKind::kRegular && info->basic.nNumberOfLinks == 1 &&
           OwnedByThisUser(file);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > (1u << 20) ? (1u << 20) : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

// The user's own temporary folder (TMP, TEMP or the profile's), which other users cannot write.
std::string GetTempPath() {
    wchar_t path[MAX_PATH + 1];
    const DWORD length = ::GetTempPathW(MAX_PATH + 1, path);
    if (length == 0 || length > MAX_PATH)
        return ".\\";
    return win32::Narrow(std::wstring_view(path, length));
}

// The user's temporary folder is the user's own on Windows: its profile's access list lets no other
// user in.
std::string GetPrivateBasePath() {
    return GetTempPath();
}

std::string MakePrivateDirectory(const std::string& dir, const std::string& prefix) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned long long seed =
        ::GetTickCount64() ^ (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string path = dir;
        if (!path.empty() && path.back() != '\\' && path.back() != '/')
            path += '\\';
        path += prefix;
        for (int i = 0; i < 6; ++i) {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            path += kLetters[(seed >> 33) % (sizeof kLetters - 1)];
        }
        const std::optional<std::wstring> wide = win32::WidePath(path);
        if (!wide)
            return "";
        if (::CreateDirectoryW(wide->c_str(), nullptr))
            return path;
        if (::GetLastError() != ERROR_ALREADY_EXISTS)
            return "";
    }
    return "";
}

bool RemoveDirectory(const std::string& path) {
    const std::optional<std::wstring> wide = win32::WidePath(path);
    return wide && ::RemoveDirectoryW(wide->c_str()) != 0;
}

std::string GetTempFileName(const std::string& dir, const std::string& prefix, unsigned unique) {
    wchar_t name[MAX_PATH];
    const std::optional<std::wstring> folder = win32::WidePath(dir);
    const std::optional<std::wstring> start = win32::WidePath(prefix.substr(0, 3));
    if (!folder || !start || ::GetTempFileNameW(folder->c_str(), start->c_str(), unique, name) == 0)
        return "";
    return win32::Narrow(name);
}

bool DeleteFile(const std::string& path) {
    const std::optional<std::wstring> wide = win32::WidePath(path);
    return wide && ::DeleteFileW(wide->c_str()) != 0;
}

bool WriteFileSafely(const std::string& path, std::string_view bytes) {
    const std::optional<std::wstring> wide = win32::WidePath(path);
    if (!wide || wide->empty())
        return false;
    Handle file(::CreateFileW(wide->c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.Valid())
        return false;
    const bool written =
        IsOwnPlainFile(file.Get()) && ::SetEndOfFile(file.Get()) && WriteAll(file.Get(), bytes);
    return file.Close() && written;
}

}  // namespace platform

#include "platform/DirectoryLock.h"

#include <cwctype>
#include <string>

#include "platform/win32/Wide.h"
#include "platform/win32/WindowsApi.h"

namespace platform {

namespace {

constexpr DWORD kLongestWaitMs = 3000;

// One name per directory for every session of the machine: "Global\" and a hash of the directory's
// path, compared without case as Windows compares paths.
std::wstring MutexName(const std::wstring& directory) {
    unsigned long long hash = 14695981039346656037ULL;  // FNV-1a
    for (wchar_t c : directory) {
        if (c == L'/')
            c = L'\\';
        hash = (hash ^ static_cast<unsigned long long>(std::towlower(c))) * 1099511628211ULL;
    }
    wchar_t hex[17];
    for (int i = 15; i >= 0; --i, hash >>= 4) hex[i] = L"0123456789abcdef"[hash & 0xf];
    hex[16] = L'\0';
    return std::wstring(L"Global\\Quellrix-settings-") + hex;
}

}  // namespace

DirectoryLock::DirectoryLock(const std::string& directory) {
    const auto path = win32::WidePath(directory);
    if (!path)
        return;
    const std::wstring name = MutexName(*path);
    // Every user of the machine directory may take the lock, whoever made the mutex first.
    SECURITY_DESCRIPTOR everyone{};
    ::InitializeSecurityDescriptor(&everyone, SECURITY_DESCRIPTOR_REVISION);
    ::SetSecurityDescriptorDacl(&everyone, TRUE, nullptr, FALSE);
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &everyone, FALSE};
    HANDLE mutex = ::CreateMutexW(&attributes, FALSE, name.c_str());
    if (!mutex)
        mutex = ::OpenMutexW(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name.c_str());
    if (!mutex)
        return;  // goes on without the lock, as after a wait too long
    m_mutex = mutex;
    const DWORD waited = ::WaitForSingleObject(mutex, kLongestWaitMs);
    m_held = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;  // abandoned: its holder ended
}

DirectoryLock::~DirectoryLock() {
    if (!m_mutex)
        return;
    if (m_held)
        ::ReleaseMutex(static_cast<HANDLE>(m_mutex));
    ::CloseHandle(static_cast<HANDLE>(m_mutex));
}

}  // namespace platform

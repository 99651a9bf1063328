#include "app/win32/RecentFiles.h"

#include <algorithm>

#include "platform/win32/Wide.h"
#include "platform/win32/WindowsApi.h"

namespace {

constexpr const char* kSection = "Recent File List";

std::string Entry(int index) {
    return "File" + std::to_string(index + 1);
}

// The full path of a file; the name as given when the system cannot make one.
std::string FullPath(const std::string& file) {
    const std::wstring name = platform::win32::Widen(file);
    const DWORD length = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (length == 0)
        return file;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(name.c_str(), length, full.data(), nullptr));
    return platform::win32::Narrow(full);
}

}  // namespace

RecentFiles::RecentFiles(platform::win32::RegistryStore store) : m_store(std::move(store)) {
    for (int i = 0; i < kSize; ++i) {
        const std::optional<std::string> file = m_store.ReadString(kSection, Entry(i));
        if (file && !file->empty() && std::find(m_files.begin(), m_files.end(), *file) == m_files.end())
            m_files.push_back(*file);
    }
}

void RecentFiles::Add(const std::string& file) {
    const std::string path = FullPath(file);
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > kSize)
        m_files.resize(kSize);
    Save();
}

void RecentFiles::Remove(const std::string& file) {
    m_files.erase(std::remove(m_files.begin(), m_files.end(), file), m_files.end());
    Save();
}

void RecentFiles::Save() const {
    for (int i = 0; i < kSize; ++i) {
        if (i < static_cast<int>(m_files.size())) {
            m_store.WriteString(kSection, Entry(i), m_files[static_cast<size_t>(i)]);
        } else {
            m_store.Remove(kSection, Entry(i));
        }
    }
}

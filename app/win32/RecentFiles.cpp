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

RecentFiles::RecentFiles(platform::win32::RegistryStore store) : store_(std::move(store)) {
    for (int i = 0; i < kSize; ++i) {
        const std::optional<std::string> file = store_.ReadString(kSection, Entry(i));
        if (file && !file->empty() && std::find(files_.begin(), files_.end(), *file) == files_.end())
            files_.push_back(*file);
    }
}

void RecentFiles::Add(const std::string& file) {
    const std::string path = FullPath(file);
    files_.erase(std::remove(files_.begin(), files_.end(), path), files_.end());
    files_.insert(files_.begin(), path);
    if (files_.size() > kSize)
        files_.resize(kSize);
    Save();
}

void RecentFiles::Remove(const std::string& file) {
    files_.erase(std::remove(files_.begin(), files_.end(), file), files_.end());
    Save();
}

void RecentFiles::Save() const {
    for (int i = 0; i < kSize; ++i) {
        if (i < static_cast<int>(files_.size())) {
            store_.WriteString(kSection, Entry(i), files_[static_cast<size_t>(i)]);
        } else {
            store_.Remove(kSection, Entry(i));
        }
    }
}

// The recent-file list in the user's registry: section "Recent File List", values "File1" to "File4",
// the most recent first.
#pragma once

#include <string>
#include <vector>

#include "platform/win32/RegistryStore.h"

class RecentFiles {
  public:
    static constexpr int kSize = 4;

    // Reads the list from the store.
    explicit RecentFiles(platform::win32::RegistryStore store = platform::win32::RegistryStore());

    const std::vector<std::string>& Files() const { return m_files; }
    // Puts the file first (full path), dropping the oldest beyond four, and stores the list.
    void Add(const std::string& file);
    void Remove(const std::string& file);

  private:
    void Save() const;

    platform::win32::RegistryStore m_store;
    std::vector<std::string> m_files;
};

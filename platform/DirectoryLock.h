// An advisory lock on a directory, held for a scope: writers of the files in it that take the lock
// read, change and replace a file one after the other. A lock held too long by another process (it
// may belong to any user) is waited for at most a few seconds; the scope then goes on without it.
#pragma once

#include <string>

namespace platform {

class DirectoryLock {
  public:
    explicit DirectoryLock(const std::string& directory);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    bool Held() const { return m_held; }

  private:
#ifdef _WIN32
    void* m_mutex = nullptr;  // a named mutex of the machine: Windows locks no directories
#else
    int m_fd = -1;
#endif
    bool m_held = false;
};

}  // namespace platform

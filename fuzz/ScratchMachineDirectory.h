// One scratch machine directory for the whole fuzzing run (WINDIR and TMPDIR point at it), in memory
// (/dev/shm) where the machine has it: every settings write is synced, and a disk would slow each run.
#pragma once

#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzing {

class ScratchMachineDirectory {
  public:
    ScratchMachineDirectory() {
        const char* base = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
        std::string pattern = std::string(base ? base : "/tmp") + "/quellrix-fuzz-XXXXXX";
        if (!::mkdtemp(pattern.data())) {
            std::perror("quellrix fuzzing: no scratch directory");
            std::abort();
        }
        path_ = pattern;
        ::setenv("WINDIR", path_.c_str(), 1);
        ::setenv("TMPDIR", path_.c_str(), 1);
    }
    ~ScratchMachineDirectory() {
        Clear();
        ::rmdir(path_.c_str());
    }
    ScratchMachineDirectory(const ScratchMachineDirectory&) = delete;
    ScratchMachineDirectory& operator=(const ScratchMachineDirectory&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const char* name) const { return path_ + "/" + name; }

    // The number of entries in the directory.
    int Count() const {
        int count = 0;
        ForEachEntry([&](const std::string&) { ++count; });
        return count;
    }
    // Removes every file and empty directory in the directory.
    void Clear() const {
        ForEachEntry([&](const std::string& name) { std::remove((path_ + "/" + name).c_str()); });
    }

  private:
    template <class Visit>
    void ForEachEntry(Visit visit) const {
        DIR* dir = ::opendir(path_.c_str());
        if (!dir)
            return;
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                visit(name);
        }
        ::closedir(dir);
    }

    std::string path_;
};

}  // namespace fuzzing

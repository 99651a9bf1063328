// A fresh directory that serves as machine directory (WINDIR, for "Rohre.ini") and temporary
// directory (TMPDIR, for the help page) for its scope; both variables are restored afterwards.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

namespace robustness {

namespace fs = std::filesystem;

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            previous_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (previous_) {
            ::setenv(name_, previous_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

  private:
    const char* name_;
    std::optional<std::string> previous_;
};

class ScratchDirectory {
  public:
    ScratchDirectory()
        : path_(Create()), windir_("WINDIR", path_.string()), tmpdir_("TMPDIR", path_.string()) {}
    ~ScratchDirectory() {
        std::error_code ignored;
        fs::permissions(path_, fs::perms::all, ignored);
        fs::remove_all(path_, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const fs::path& Path() const { return path_; }
    fs::path Ini() const { return path_ / "Rohre.ini"; }
    // The names of the directory's entries.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(path_))
            names.insert(entry.path().filename().string());
        return names;
    }

  private:
    static fs::path Create() {
        std::string pattern = (fs::temp_directory_path() / "quellrix-robust-XXXXXX").string();
        return ::mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
    }

    fs::path path_;
    ScopedVariable windir_;
    ScopedVariable tmpdir_;
};

}  // namespace robustness

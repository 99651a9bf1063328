// Test support: every test gets a fresh machine directory (WINDIR), and helpers to set up and inspect
// the files in it, including failures that hit even a privileged user.
#pragma once

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>

namespace catalogue_test {

namespace fs = std::filesystem;

inline void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Lowers the file size limit for the scope, so that writing a larger file fails (EFBIG) for any user.
class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ScopedFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// Runs check as an unprivileged user (in a child process when the tests run as root, since root
// ignores permission bits) and returns its result.
template <class Check>
bool Unprivileged(Check check) {
    if (::geteuid() != 0)
        return check();
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

class MachineDirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "quellrix-ini-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        // Reachable for the unprivileged checks.
        fs::permissions(dir_, fs::perms::all);
        if (const char* old = std::getenv("WINDIR"))
            previousWindir_ = old;
        ::setenv("WINDIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (previousWindir_) {
            ::setenv("WINDIR", previousWindir_->c_str(), 1);
        } else {
            ::unsetenv("WINDIR");
        }
        std::error_code ignored;
        fs::permissions(dir_, fs::perms::all, ignored);
        fs::remove_all(dir_, ignored);
    }

    const fs::path& Dir() const { return dir_; }
    fs::path IniPath() const { return dir_ / "Rohre.ini"; }
    void Seed(const std::string& bytes) const { WriteBytes(IniPath(), bytes); }
    std::string Contents() const { return ReadBytes(IniPath()); }

    // The names in the machine directory: no sibling of a replaced file may stay behind.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_)) names.insert(entry.path().filename().string());
        return names;
    }

  private:
    fs::path dir_;
    std::optional<std::string> previousWindir_;
};

}  // namespace catalogue_test

// Test support: every test gets a fresh machine directory (WINDIR), and helpers to set up and inspect
// the files in it, including failures that hit even a privileged user.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <filesystem>
#include <set>
#include <string>

#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace catalogue_test {

namespace fs = std::filesystem;

using test_support::ReadBytes;
using test_support::WriteBytes;

#ifndef _WIN32
// Lowers the file size limit for the scope, so that writing a larger file fails (EFBIG) for any user.
class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_previous);
        m_previousHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = m_previous;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~ScopedFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_previous);
        ::signal(SIGXFSZ, m_previousHandler);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

  private:
    rlimit m_previous{};
    void (*m_previousHandler)(int) = SIG_DFL;
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
#else
// The read-only attribute of Windows binds every user.
template <class Check>
bool Unprivileged(Check check) {
    return check();
}
#endif

class MachineDirectoryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(m_dir.Path().empty());
        // Reachable for the unprivileged checks.
        fs::permissions(m_dir.Path(), fs::perms::all);
    }

    fs::path Dir() const { return m_dir.Path(); }
    fs::path IniPath() const { return m_dir.Ini(); }
    void Seed(const std::string& bytes) const { WriteBytes(IniPath(), bytes); }
    std::string Contents() const { return ReadBytes(IniPath()); }

    // The names in the machine directory: no sibling of a replaced file may stay behind.
    std::set<std::string> Entries() const { return m_dir.Entries(); }

  private:
    test_support::ScratchMachineDirectory m_dir{test_support::ScratchMachineDirectory::Temp::NotToo};
};

}  // namespace catalogue_test

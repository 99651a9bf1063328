// Fresh directories for tests: removed with everything in them at the end of the scope (permissions are
// restored first, so that a test may leave a directory read-only).
#pragma once

#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "support/ScopedEnv.h"

namespace test_support {

class ScratchDirectory {
  public:
    ScratchDirectory() {
        std::random_device random;
        std::error_code error;
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            const std::filesystem::path candidate =
                std::filesystem::temp_directory_path() / ("quellrix-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error))
                m_path = candidate.u8string();
        }
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

    // The names of the directory's entries.
    std::set<std::string> Entries() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_path))
            names.insert(entry.path().filename().string());
        return names;
    }

    // Removes everything in the directory, which stays.
    void RemoveEntries() const {
        std::error_code ignored;
        for (const std::string& name : Entries()) std::filesystem::remove_all(*this / name, ignored);
    }

  private:
    std::string m_path;
};

// A scratch directory that serves as the machine directory (WINDIR, where "Rohre.ini" lies) and, unless
// told otherwise, as the temporary directory (TMPDIR, where the help page goes) for the scope; on
// Windows QUELLRIX_WINDIR and TMP.
class ScratchMachineDirectory : public ScratchDirectory {
  public:
    enum class Temp { Too, NotToo };
    explicit ScratchMachineDirectory(Temp temp = Temp::Too)
        : m_windir(kMachineDirectoryVariable, Path()),
          m_tmpdir(kTempDirectoryVariable,
                   temp == Temp::Too ? std::optional<std::string>(Path()) : CurrentTmpdir()) {}

    std::filesystem::path Ini() const { return std::filesystem::u8path(Path()) / "Rohre.ini"; }

  private:
    static std::optional<std::string> CurrentTmpdir() { return GetEnv(kTempDirectoryVariable); }
    ScopedEnv m_windir;
    ScopedEnv m_tmpdir;
};

}  // namespace test_support

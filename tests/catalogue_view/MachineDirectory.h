// A scratch machine directory for the settings file: WINDIR points at it for the scope.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace catalogue_view_test {

class ScratchMachineDirectory {
  public:
    ScratchMachineDirectory() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quellrix-pipes-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : "";
        if (const char* old = std::getenv("WINDIR"))
            previous_ = old;
        ::setenv("WINDIR", path_.c_str(), 1);
    }
    ~ScratchMachineDirectory() {
        if (previous_) {
            ::setenv("WINDIR", previous_->c_str(), 1);
        } else {
            ::unsetenv("WINDIR");
        }
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchMachineDirectory(const ScratchMachineDirectory&) = delete;
    ScratchMachineDirectory& operator=(const ScratchMachineDirectory&) = delete;

    // Replaces the settings file by the given text.
    void WriteSettings(const std::string& text) const { std::ofstream(path_ + "/Rohre.ini") << text; }

  private:
    std::string path_;
    std::optional<std::string> previous_;
};

}  // namespace catalogue_view_test

// Running session scripts in tests: a scratch machine directory and temporary directory per test, and
// the runner's results as strings.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/script/ScriptRunner.h"

namespace script_test {

// Sets an environment variable for the scope and restores the previous value.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            previous_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (previous_) {
            ::setenv(name_, previous_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::optional<std::string> previous_;
};

// A fresh directory, removed with its contents at the end of the scope.
class ScratchDir {
  public:
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quellrix-script-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

struct RunResult {
    int status = -1;
    std::string transcript;
    std::string errors;
};

// Each test runs the program on its own machine directory and temporary directory.
class SessionTest : public ::testing::Test {
  protected:
    SessionTest() : windirEnv_("WINDIR", windir_.Path()), tmpdirEnv_("TMPDIR", tmpdir_.Path()) {}

    static RunResult Run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out, err;
        RunResult result;
        result.status = RunScript(in, &out, err);
        result.transcript = out.str();
        result.errors = err.str();
        return result;
    }

    const std::string& Windir() const { return windir_.Path(); }

  private:
    ScratchDir windir_, tmpdir_;
    ScopedEnv windirEnv_, tmpdirEnv_;
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace script_test

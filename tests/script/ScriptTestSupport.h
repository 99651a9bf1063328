// Running session scripts in tests: a scratch machine directory and temporary directory per test, and
// the runner's results as strings.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/script/ScriptRunner.h"
#include "support/ScopedEnv.h"
#include "support/ScratchDirectory.h"

namespace script_test {

struct RunResult {
    int status = -1;
    std::string transcript;
    std::string errors;
};

// Each test runs the program on its own machine directory and temporary directory.
class SessionTest : public ::testing::Test {
  protected:
    SessionTest() : m_windirEnv("WINDIR", m_windir.Path()), m_tmpdirEnv("TMPDIR", m_tmpdir.Path()) {}

    static RunResult Run(const std::string& script) {
        std::istringstream in(script);
        std::ostringstream out, err;
        RunResult result;
        result.status = RunScript(in, &out, err);
        result.transcript = out.str();
        result.errors = err.str();
        return result;
    }

    const std::string& Windir() const { return m_windir.Path(); }

  private:
    test_support::ScratchDirectory m_windir, m_tmpdir;
    test_support::ScopedEnv m_windirEnv, m_tmpdirEnv;
};

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace script_test

// The quellrix-script program itself: its command line, standard input, exit status and streams.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/script/ScriptTestSupport.h"

namespace {

using script_test::RunResult;

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class ScriptExecutableTest : public script_test::SessionTest {
  protected:
    std::string PathOf(const std::string& name) const { return m_scratch.Path() + "/" + name; }

    std::string WriteScript(const std::string& name, const std::string& content) const {
        std::ofstream(PathOf(name), std::ios::binary) << content;
        return PathOf(name);
    }

    // Runs the program with the arguments (already quoted for the shell) and standard input.
    RunResult Execute(const std::string& arguments, const std::string& input = "") const {
        const std::string in = WriteScript("stdin", input);
        const std::string command = ShellQuoted(QUELLRIX_SCRIPT_EXE) + " " + arguments + " <" +
                                    ShellQuoted(in) + " >" + ShellQuoted(PathOf("stdout")) + " 2>" +
                                    ShellQuoted(PathOf("stderr"));
        const int status = std::system(command.c_str());
        RunResult result;
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.transcript = ReadFile(PathOf("stdout"));
        result.errors = ReadFile(PathOf("stderr"));
        return result;
    }

  private:
    test_support::ScratchDirectory m_scratch;
};

TEST_F(ScriptExecutableTest, BadUsageExitsWithStatusTwo) {
    const std::string script = ShellQuoted(WriteScript("ok.qs", "start\n"));
    const std::string missing = ShellQuoted(PathOf("missing.qs"));
    const std::vector<std::string> usages = {"--bogus",
                                             "-",
                                             "--windir",
                                             "--windir ''",
                                             "--windir a --windir b " + script,
                                             script + " " + script,
                                             missing,
                                             ShellQuoted(Windir()),
                                             "''"};
    for (const std::string& arguments : usages) {
        const RunResult result = Execute(arguments);
        EXPECT_EQ(result.status, 2) << arguments;
        EXPECT_NE(result.errors.find("usage: quellrix-script [--windir DIR] [SCRIPT]"), std::string::npos)
            << arguments;
        EXPECT_EQ(result.transcript, "") << arguments;
    }
}

TEST_F(ScriptExecutableTest, ReadsTheScriptFileOrStandardInput) {
    const std::string script = "start\ncommand open\nanswer 1\ncommand about\n";
    const RunResult fromFile = Execute(ShellQuoted(WriteScript("s.qs", script)));
    EXPECT_EQ(fromFile.status, 0) << fromFile.errors;
    EXPECT_NE(fromFile.transcript.find("file open cancelled\ndialog 100 1\n"), std::string::npos)
        << fromFile.transcript;

    const RunResult fromInput = Execute("--windir " + ShellQuoted(Windir()), script);
    EXPECT_EQ(fromInput.status, 0) << fromInput.errors;
    EXPECT_EQ(fromInput.transcript, fromFile.transcript);
    EXPECT_EQ(fromInput.errors, "");
}

TEST_F(ScriptExecutableTest, ScriptErrorExitsWithStatusOneAfterTheTranscriptSoFar) {
    const RunResult result = Execute("", "start\ncommand open\n\ncommand frobnicate\ncommand save\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors.rfind("error: line 4: unknown command \"frobnicate\"", 0), 0u) << result.errors;
    const size_t at = result.transcript.find("file open cancelled\n");
    ASSERT_NE(at, std::string::npos) << result.transcript;
    EXPECT_EQ(result.transcript.substr(at), "file open cancelled\n");
}

TEST_F(ScriptExecutableTest, BinaryStandardInputIsAScriptError) {
    const RunResult result = Execute("", std::string("start\n\x01\x00\xFF\xFE garbage\n", 19));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.errors.rfind("error: line 2: ", 0), 0u) << result.errors;
}

}  // namespace

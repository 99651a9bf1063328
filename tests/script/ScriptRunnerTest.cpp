#include "app/script/ScriptRunner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/script/ScriptError.h"
#include "app/script/ScriptParser.h"
#include "app/script/ScriptSession.h"
#include "form/model/CalculationFormTemplate.h"
#include "tests/script/ScriptTestSupport.h"

namespace {

using script_test::Lines;
using script_test::RunResult;

class ScriptRunnerTest : public script_test::SessionTest {
  protected:
    // The transcript of start-up alone: whatever the form's first showing writes.
    std::string StartupTranscript() {
        const RunResult startup = Run("start\n");
        EXPECT_EQ(startup.status, kScriptCompleted) << startup.errors;
        return startup.transcript;
    }
};

TEST_F(ScriptRunnerTest, EmptyScriptSucceedsWithoutTranscript) {
    const RunResult result = Run("");
    EXPECT_EQ(result.status, kScriptCompleted);
    EXPECT_EQ(result.transcript, "");
    EXPECT_EQ(result.errors, "");
}

TEST_F(ScriptRunnerTest, ErrorNamesTheLineCountingBlankLinesAndComments) {
    const RunResult result =
        Run("# a session\n\nstart\n# next the unknown control\n\nclick 4711\nclick 4712\n");
    EXPECT_EQ(result.status, kScriptFailed);
    EXPECT_EQ(result.errors, "error: line 6: there is no control 4711\n");
}

TEST_F(ScriptRunnerTest, TranscriptUpToTheErrorIsKeptAndNothingFollowsIt) {
    const std::string startup = StartupTranscript();
    const RunResult result = Run("start\ncommand open\nfrobnicate\ncommand open\n");
    EXPECT_EQ(result.status, kScriptFailed);
    EXPECT_EQ(result.errors, "error: line 3: unknown keyword \"frobnicate\"\n");
    EXPECT_EQ(result.transcript, startup + "file open cancelled\n");
}

TEST_F(ScriptRunnerTest, AcceptsCarriageReturnLineEndsAndAFinalLineWithoutEnd) {
    const std::string startup = StartupTranscript();
    const RunResult result = Run("# comment\r\n\r\nstart\r\ncommand open\r\ncommand saveas");
    EXPECT_EQ(result.status, kScriptCompleted) << result.errors;
    EXPECT_EQ(result.transcript, startup + "file open cancelled\nfile save cancelled\n");
}

// Without changes nothing is asked; the file dialogs find no queued file and are cancelled.
TEST_F(ScriptRunnerTest, FileCommandsOfAnUnchangedCalculationAskNothing) {
    const std::string startup = StartupTranscript();
    const RunResult result = Run("start\ncommand new\ncommand open\ncommand save\ncommand saveas\n");
    EXPECT_EQ(result.status, kScriptCompleted) << result.errors;
    EXPECT_EQ(result.transcript, startup + "file open cancelled\nfile save cancelled\nfile save cancelled\n");
}

TEST_F(ScriptRunnerTest, QueuedAnswersEndTheNextDialogs) {
    const std::string startup = StartupTranscript();
    const RunResult result = Run("start\nanswer 1 7\ncommand about\ncommand about\ncommand about\n");
    EXPECT_EQ(result.status, kScriptCompleted) << result.errors;
    EXPECT_EQ(result.transcript, startup + "dialog 100 1\ndialog 100 7\ndialog 100 2 closed\n");
}

TEST_F(ScriptRunnerTest, LinesOutOfPhaseAreErrors) {
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        {"type 1023 1\n", "error: line 1: \"type\" before start\n"},
        {"dump\n", "error: line 1: \"dump\" before start\n"},
        {"command about\n", "error: line 1: \"command\" before start\n"},
        {"close\n", "error: line 1: \"close\" before start\n"},
        {"start\nstart\n", "error: line 2: the program was started already\n"},
        {"start\nprinter none\n", "error: line 2: \"printer\" must come before start\n"},
        {"start\nclock 2024-01-01 10:00:00\n", "error: line 2: \"clock\" must come before start\n"},
        {"start\nbrowser lookup 2\n", "error: line 2: \"browser\" must come before start\n"},
        {"start\nclose\nclick 1007\n", "error: line 3: \"click\" after the window was closed\n"},
        {"start\nclose\nclose\n", "error: line 3: \"close\" after the window was closed\n"},
        {"start\nclose\nstart\n", "error: line 3: the program was started already\n"},
        {"start\nclose\nprinter 10 10\n", "error: line 3: \"printer\" must come before start\n"},
    };
    for (const Case& c : cases) {
        const RunResult result = Run(c.script);
        EXPECT_EQ(result.status, kScriptFailed) << c.script;
        EXPECT_EQ(result.errors, c.error) << c.script;
    }
}

TEST_F(ScriptRunnerTest, ActionsOnUnknownDisabledOrUnfitControlsAreErrors) {
    struct Case {
        const char* line;
        const char* error;
    };
    // IDC_SURFACE_WIDTH (1040), the water-surface width, is disabled by the form's layout and never enabled.
    const Case cases[] = {
        {"type 4711 1", "there is no control 4711"},
        {"click 0", "there is no control 0"},
        {"pick 2147483647 #0", "there is no control 2147483647"},
        {"show 1023 4711", "there is no control 4711"},
        {"type 1040 1", "control 1040 is disabled"},
        {"type 1040", "control 1040 is disabled"},
        {"type 1007 1", "control 1007 is not an edit field"},
        {"type 1008 100", "control 1008 is not an edit field"},
        {"click 1023", "control 1023 is not a button"},
        {"click 1030", "control 1030 is not a button"},
        {"pick 1023 #0", "control 1023 is not a list or the tab control"},
        {"edit 1030 J", "control 1030 is not a list"},
        {"edit 1007 x", "control 1007 is not a list"},
        {"pick 1030 #99", "control 1030 has no entry #99"},
        {"pick 1053 no such entry", "control 1053 has no entry \"no such entry\""},
    };
    for (const Case& c : cases) {
        const RunResult result = Run(std::string("start\n") + c.line + "\n");
        EXPECT_EQ(result.status, kScriptFailed) << c.line;
        EXPECT_EQ(result.errors.rfind(std::string("error: line 2: ") + c.error, 0), 0u)
            << c.line << ": " << result.errors;
    }
}

TEST_F(ScriptRunnerTest, ShowChecksEveryIdBeforeWritingAnything) {
    const std::string startup = StartupTranscript();
    const RunResult result = Run("start\nshow 1040 4711\n");
    EXPECT_EQ(result.status, kScriptFailed);
    EXPECT_EQ(result.transcript, startup);
}

TEST_F(ScriptRunnerTest, TextArgumentsKeepBlanksAndCommas) {
    const std::string startup = StartupTranscript();
    // Typing into a list's text field runs no reaction, so the text is shown exactly as typed.
    const RunResult result = Run("start\nedit 1053 k, eigener  Wert, 0,5 \nshow 1053\n");
    EXPECT_EQ(result.status, kScriptCompleted) << result.errors;
    const std::vector<std::string> lines = Lines(result.transcript.substr(startup.size()));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().rfind("list 1053 sel=-1 \"k, eigener  Wert, 0,5 \" enabled=1 entries=", 0), 0u)
        << lines.front();
}

TEST_F(ScriptRunnerTest, DumpListsEveryControlInTabOrderThenTheRecord) {
    const std::string startup = StartupTranscript();
    const RunResult result = Run("start\ndump\n");
    ASSERT_EQ(result.status, kScriptCompleted) << result.errors;

    std::vector<std::string> heads;  // "kind id" of every line that is not an entry
    for (const std::string& line : Lines(result.transcript.substr(startup.size()))) {
        if (line.rfind("  entry ", 0) == 0)
            continue;
        const size_t second = line.find(' ', line.find(' ') + 1);
        heads.push_back(line.substr(0, second));
    }
    std::vector<std::string> expected;
    for (const platform::ControlTemplate& control : CalculationFormTemplate().controls) {
        const char* kind = control.kind == platform::ControlKind::Edit   ? "edit"
                           : control.kind == platform::ControlKind::List ? "list"
                           : control.kind == platform::ControlKind::Tabs ? "tabs"
                                                                         : "button";
        expected.push_back(std::string(kind) + " " + std::to_string(control.id));
    }
    for (const char* member :
         {"m_surfaceWidth", "m_vt", "m_ht", "m_Qt", "m_calculated", "m_Re", "m_k", "m_Di", "m_g", "m_v",
          "m_ny", "m_Q", "m_I", "m_rho", "m_T", "m_lambda", "m_sought", "m_fullFilling"}) {
        expected.push_back(std::string("record ") + member);
    }
    EXPECT_EQ(heads, expected);
}

TEST_F(ScriptRunnerTest, ALineOfOneMegabyteIsAnError) {
    const std::string huge(1 << 20, '7');
    for (const std::string& script :
         {"start\ntype 1023 " + huge + "\n", "start\nclick " + huge, "start\n#" + huge + "\n"}) {
        const RunResult result = Run(script);
        EXPECT_EQ(result.status, kScriptFailed);
        EXPECT_EQ(result.errors, "error: line 2: the line is longer than 4096 bytes\n");
    }
}

TEST_F(ScriptRunnerTest, BinaryInputIsAnErrorNeverACrash) {
    std::string everyByte;
    for (int c = 0; c < 256; ++c) everyByte.push_back(static_cast<char>(c));
    const RunResult all = Run("start\n" + everyByte + "\n");
    EXPECT_EQ(all.status, kScriptFailed);
    EXPECT_EQ(all.errors.rfind("error: line 2: ", 0), 0u) << all.errors;

    // Pseudo-random bytes, line ends included: every outcome ends in a status, most in an error.
    unsigned state = 12345;
    for (int round = 0; round < 50; ++round) {
        std::string noise = "start\n";
        for (int i = 0; i < 2000; ++i) {
            state = state * 1103515245u + 12345u;
            noise.push_back(static_cast<char>(state >> 16));
        }
        const RunResult result = Run(noise);
        EXPECT_TRUE(result.status == kScriptCompleted || result.status == kScriptFailed);
        if (result.status == kScriptFailed) {
            EXPECT_EQ(result.errors.rfind("error: line ", 0), 0u);
        }
    }
}

TEST(ScriptSession, EndOfScriptClosesTheWindowOnce) {
    test_support::ScratchDirectory windir, tmpdir;
    test_support::ScopedEnv windirEnv("WINDIR", windir.Path()), tmpdirEnv("TMPDIR", tmpdir.Path());
    ScriptSession session(nullptr);
    EXPECT_EQ(session.Controls(), nullptr);
    session.Execute(StartLine{});
    ASSERT_NE(session.Controls(), nullptr);
    session.Finish();
    EXPECT_EQ(session.Controls(), nullptr);
    EXPECT_THROW(session.Execute(DumpLine{}), ScriptError);
    session.Finish();  // already closed: nothing happens
}

}  // namespace

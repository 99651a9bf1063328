// Calculation files through the session runner: what is saved opens again exactly, in a new run of
// the program; a file that cannot be read leaves the form as it was; unsaved changes are asked about.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "document/CalculationFile.h"
#include "tests/script/ScriptTestSupport.h"

namespace {

using script_test::Lines;
using script_test::RunResult;

// The lines of the first dump in a transcript: every control and the record.
std::vector<std::string> DumpIn(const std::string& transcript, size_t which = 0) {
    std::vector<std::string> dump;
    size_t seen = 0;
    for (const std::string& line : Lines(transcript)) {
        if (line.rfind("edit 1005 ", 0) == 0)
            ++seen;
        if (seen == which + 1)
            dump.push_back(line);
        if (seen == which + 1 && line.rfind("record m_fullFilling", 0) == 0)
            break;
    }
    return dump;
}

bool Contains(const std::string& transcript, const std::string& line) {
    for (const std::string& candidate : Lines(transcript)) {
        if (candidate == line)
            return true;
    }
    return false;
}

class CalculationFileTest : public script_test::SessionTest {
  protected:
    std::string File(const char* name) const { return Windir() + "/" + name; }
    // A path as a quoted text of the transcript writes it (a Windows path's backslashes doubled).
    static std::string Quoted(const std::string& path) {
        std::string quoted;
        for (const char c : path) quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
        return quoted;
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // A calculation file as the program writes it.
    std::string SavedCalculation() {
        const std::string path = File("vorlage.qrx");
        EXPECT_EQ(Run("start\ntype 1023 1\nleave\nclick 1007\nsave " + path + "\n").status, kScriptCompleted);
        return Read(path);
    }
};

struct RoundTrip {
    const char* name;
    const char* actions;
    int sought;
};

TEST_F(CalculationFileTest, WhatIsSavedOpensExactlyInANewRun) {
    const RoundTrip cases[] = {
        {"J full", "type 1023 1\nleave\nclick 1007\n", 0},
        {"J partial", "click 1002\ntype 1023 1\nleave\nclick 1007\ntype 1026 40\nleave\n", 0},
        {"vQ full", "pick 1030 #1\ntype 1015 5\nleave\nclick 1007\n", 1},
        {"vQ partial", "click 1002\npick 1030 #1\ntype 1015 5\nleave\ntype 1036 3\nleave\nclick 1007\n", 1},
        {"k full", "pick 1030 #2\ntype 1015 12\nleave\ntype 1023 1\nleave\nclick 1007\n", 3},
        {"k partial", "click 1002\npick 1030 #2\ntype 1015 12\ntype 1023 1\ntype 1027 0,8\nclick 1007\n", 3},
        {"di full", "pick 1030 #3\ntype 1015 5\ntype 1025 8\nleave\nclick 1007\n", 4},
        {"di partial", "click 1002\npick 1030 #3\ntype 1015 5\ntype 1025 8\ntype 1026 30\nclick 1007\n", 4},
        {"typed class, preset roughness", "pick 1053 #3\npick 1030 #1\nedit 1009 K99\n", 1},
    };
    for (const RoundTrip& c : cases) {
        const std::string path = File("rohr.qrx");
        const RunResult saved =
            Run(std::string("start\n") + c.actions +
                "project Projekt Leitung Nord\nproject Bemerkung \"A\", 2\ndump\nsave " + path + "\n");
        ASSERT_EQ(saved.status, kScriptCompleted) << c.name << saved.errors;
        const RunResult opened = Run("start\nopen " + path + "\ndump\ndocument\n");
        ASSERT_EQ(opened.status, kScriptCompleted) << c.name << opened.errors;
        const std::vector<std::string> before = DumpIn(saved.transcript);
        ASSERT_GT(before.size(), 40u) << c.name;
        EXPECT_EQ(DumpIn(opened.transcript), before) << c.name;
        EXPECT_TRUE(Contains(saved.transcript, "record m_sought " + std::to_string(c.sought))) << c.name;
        EXPECT_TRUE(Contains(opened.transcript, "document title \"rohr.qrx\" modified=0")) << c.name;
        EXPECT_TRUE(Contains(opened.transcript, "document Projekt \"Leitung Nord\"")) << c.name;
        EXPECT_TRUE(Contains(opened.transcript, "document Bemerkung \"\\\"A\\\", 2\"")) << c.name;
    }
}

TEST_F(CalculationFileTest, AFileThatCannotBeReadLeavesTheFormAsItWas) {
    const std::string good = SavedCalculation();
    const std::string newer = std::string(good).replace(good.find("\"version\": 1"), 12, "\"version\": 7");
    const std::string foreign =
        std::string(good).replace(good.find("quellrix-calculation"), 20, "etwas-ganz-anderes");
    const std::string wrongType =
        std::string(good).replace(good.find("\"m_Di\": "), 8, "\"m_Di\": \"x\", \"y\": ");
    const std::string badTab =
        std::string(good).replace(good.find("\"sought\": \"J\""), 13, "\"sought\": \"Q\"");
    const std::string badSought =
        std::string(good).replace(good.find("\"m_sought\": 0"), 13, "\"m_sought\": 2");
    const struct {
        const char* name;
        std::string bytes;
        std::string warning;  // after the path
    } cases[] = {
        {"empty", "",
         "\\\" ist beschädigt: Sie ist keine vollständige JSON-Datei.\\nDie Berechnung bleibt unverändert."},
        {"truncated", good.substr(0, good.size() / 2),
         "\\\" ist beschädigt: Sie ist keine vollständige JSON-Datei."},
        {"not UTF-8", "{\"format\": \"\xff\"}",
         "\\\" ist beschädigt: Sie ist keine vollständige JSON-Datei."},
        {"nested deeply", std::string(100000, '['),
         "\\\" ist beschädigt: Sie ist keine vollständige JSON-Datei."},
        {"foreign", foreign, "\\\" ist keine Quellrix-Berechnung."},
        {"a list", "[1, 2]", "\\\" ist keine Quellrix-Berechnung."},
        {"newer", newer, "\\\" wurde von einer neueren Quellrix-Version gespeichert (Format 7)"},
        {"wrong type", wrongType,
         "\\\" ist beschädigt: Der Eintrag \\\"record.m_Di\\\" fehlt oder hat den falschen Typ."},
        {"unknown tab", badTab,
         "\\\" ist beschädigt: Der Eintrag \\\"form.sought\\\" hat einen unzulässigen Wert."},
        {"sought Q", badSought,
         "\\\" ist beschädigt: Der Eintrag \\\"record.m_sought\\\" hat einen unzulässigen Wert."},
        {"number beyond the range",
         std::string(good).replace(good.find("\"m_g\": "), 7, "\"m_g\": 1e999, \"z\": "),
         "\\\" ist beschädigt: Sie ist keine vollständige JSON-Datei."},
        {"huge", std::string(2u << 20, ' '), "\\\" ist zu groß für eine Quellrix-Berechnung."},
    };
    for (const auto& c : cases) {
        const std::string path = File("kaputt.qrx");
        Write(path, c.bytes);
        const RunResult result =
            Run("start\ntype 1023 2\nleave\ndump\nanswer 7\nopen " + path + "\ndump\ndocument\n");
        ASSERT_EQ(result.status, kScriptCompleted) << c.name << result.errors;
        EXPECT_NE(result.transcript.find("warning \"Die Datei \\\"" + Quoted(path) + c.warning),
                  std::string::npos)
            << c.name << "\n"
            << result.transcript.substr(result.transcript.find("warning"), 300);
        EXPECT_EQ(DumpIn(result.transcript, 1), DumpIn(result.transcript, 0)) << c.name;
        EXPECT_TRUE(Contains(result.transcript, "document title \"Quellrix V 1.0\" modified=1")) << c.name;
    }
    const RunResult missing = Run("start\nopen " + File("fehlt.qrx") + "\n");
    EXPECT_NE(missing.transcript.find("warning \"Die Datei \\\"" + Quoted(File("fehlt.qrx")) +
                                      "\\\" kann nicht geöffnet werden.\""),
              std::string::npos);
}

struct Question {
    const char* name;
    const char* lines;       // after a change of v
    const char* transcript;  // what follows the change's lines, up to "document"
    const char* title;       // the document line after it
};

TEST_F(CalculationFileTest, UnsavedChangesAreAskedAboutBeforeTheyGo) {
    const std::string path = File("neu.qrx");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(Windir());  // the script names its files relative to it
    const Question cases[] = {
        {"new, Abbrechen", "answer 2\ncommand new\n", "dialog 107 2\n",
         "document title \"Quellrix V 1.0\" modified=1"},
        {"new, Nein", "answer 7\ncommand new\n", "dialog 107 7\n",
         "document title \"Quellrix V 1.0\" modified=0"},
        {"new, Ja, untitled", "answer 6\nchoose neu.qrx\ncommand new\n",
         "dialog 107 6\nfile save \"neu.qrx\"\n", "document title \"Quellrix V 1.0\" modified=0"},
        {"new, Ja, no file chosen", "answer 6\ncommand new\n", "dialog 107 6\nfile save cancelled\n",
         "document title \"Quellrix V 1.0\" modified=1"},
        {"open, Abbrechen", "answer 2\ncommand open\n", "dialog 107 2\n",
         "document title \"Quellrix V 1.0\" modified=1"},
        {"open, Nein", "answer 7\ncommand open\n", "dialog 107 7\nfile open cancelled\n",
         "document title \"Quellrix V 1.0\" modified=1"},
        {"exit, Abbrechen", "answer 2\ncommand exit\n", "dialog 107 2\n",
         "document title \"Quellrix V 1.0\" modified=1"},
        {"saved, then changed: exit, Ja", "save neu.qrx\ntype 1023 3\nleave\nanswer 6\ncommand exit\n",
         "file save \"neu.qrx\"\ndialog 107 6\n", nullptr},
        {"saved: exit asks nothing", "save neu.qrx\ncommand exit\n", "file save \"neu.qrx\"\n", nullptr},
        {"leaving a field unchanged is no change", "save neu.qrx\ntype 1023 1\nleave\ncommand new\n",
         "file save \"neu.qrx\"\n", "document title \"Quellrix V 1.0\" modified=0"},
    };
    for (const Question& c : cases) {
        std::filesystem::remove(path);
        const std::string script =
            std::string("start\ntype 1023 1\nleave\n") + c.lines + (c.title ? "document\n" : "");
        const RunResult result = Run(script);
        ASSERT_EQ(result.status, kScriptCompleted) << c.name << result.errors;
        const RunResult startup = Run("start\ntype 1023 1\nleave\n");
        const std::string rest = result.transcript.substr(startup.transcript.size());
        const std::string expected = std::string(c.transcript);
        EXPECT_EQ(rest.substr(0, expected.size()), expected) << c.name << "\n" << rest;
        if (c.title) {
            EXPECT_TRUE(Contains(result.transcript, c.title)) << c.name << "\n" << rest;
        }
    }
    // Nein to "Neu" gives the form of a fresh start.
    const RunResult fresh = Run("start\ndump\ntype 1023 1\nleave\nclick 1007\nanswer 7\ncommand new\ndump\n");
    EXPECT_EQ(DumpIn(fresh.transcript, 1), DumpIn(fresh.transcript, 0));
    // Ja on exit saves to the file the calculation came from.
    EXPECT_NE(Read(path).find("\"text\": \"1\""), std::string::npos);
    // A program closed by "Beenden" takes no more actions.
    const RunResult closed = Run("start\ncommand exit\ndump\n");
    EXPECT_EQ(closed.errors, "error: line 3: \"dump\" after the window was closed\n");
    std::filesystem::current_path(previous);
}

TEST_F(CalculationFileTest, AFailedSaveKeepsTheDocumentAsItWas) {
    const RunResult result =
        Run("start\ntype 1023 1\nleave\nsave " + File("fehlt/rohr.qrx") + "\ndocument\n");
    EXPECT_TRUE(Contains(result.transcript, "warning \"Die Datei \\\"" + Quoted(File("fehlt/rohr.qrx")) +
                                                "\\\" kann nicht geschrieben werden.\""))
        << result.transcript;
    EXPECT_TRUE(Contains(result.transcript, "document title \"Quellrix V 1.0\" modified=1"));
    EXPECT_TRUE(Contains(result.transcript, "document file none"));
}

// Class names of a settings file in Latin-1 and with control characters are saved as they are and open
// again.
TEST_F(CalculationFileTest, TextsOfTheSettingsFileAsTheyAre) {
    const std::string classes[] = {"Gro\xdf",
                                   "A\x1b"
                                   "B"};
    std::string ini =
        "[Gobale Daten]\nRevision=2\n[K-Werte]\nAnzahl=2\nK0=" + classes[0] + "\nK1=" + classes[1] + "\n";
    for (const std::string& name : classes) ini += "[" + name + "-1]\nDN=100\nda=118\ns=5\nZMA=3.5\n";
    const std::string path = File("rohr.qrx");
    for (const char* pick : {"#0", "#1"}) {
        Write(File("Rohre.ini"), ini);
        const RunResult saved =
            Run(std::string("start\npick 1009 ") + pick + "\ntype 1023 1\nleave\ndump\nsave " + path + "\n");
        ASSERT_EQ(saved.status, kScriptCompleted) << pick << saved.errors;
        const RunResult opened = Run("start\nopen " + path + "\ndump\n");
        ASSERT_EQ(opened.status, kScriptCompleted) << pick << opened.errors;
        EXPECT_EQ(DumpIn(opened.transcript), DumpIn(saved.transcript)) << pick;
    }
}

// A text longer than a file's entry may be (pasted into a field of the window) is not saved.
TEST_F(CalculationFileTest, WhatWouldNotOpenAgainIsNotSaved) {
    CalculationRead read = ReadCalculationFile(SavedCalculation());
    ASSERT_TRUE(read.state);
    EXPECT_EQ(SavableCalculationFile(*read.state), WriteCalculationFile(*read.state));
    read.state->form.fields.front().text.assign(5000, '1');
    EXPECT_FALSE(SavableCalculationFile(*read.state));
}

}  // namespace

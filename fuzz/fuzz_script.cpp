// quellrix-script on arbitrary scripts, run in-process through the runner library: each session runs to
// its end or stops at a faulty line with one "error: line N: ..." line, never with a crash, a hang or an
// internal error, and writes only transcript lines of the documented kinds, in UTF-8 without control
// characters. A session starts with the default settings file, as the program writes it at its first
// start (written once, copied in), unless the script begins with the comment "#settings NAME": then
// with the hostile settings file NAME (kHostileFiles).
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "MachineDirectory.h"
#include "app/script/ScriptRunner.h"
#include "catalogue/SettingsFile.h"
#include "platform/ProfileFile.h"
#include "platform/Utf8.h"
#include "Require.h"

using fuzzing::Require;

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsTranscriptLine(std::string_view line) {
    static const char* const kKinds[] = {"message \"", "warning \"", "dialog ", "disabled ", "page ",
                                         "text ",      "line ",      "rect ",   "browser ",  "edit ",
                                         "list ",      "tabs ",      "button ", "record ",   "  entry ",
                                         "file ",      "document ",  "curve ",  "sizing "};
    for (const char* kind : kKinds) {
        if (StartsWith(line, kind))
            return true;
    }
    return false;
}

// UTF-8 without control characters: what the transcript's escapes leave.
bool IsPlainText(std::string_view line) {
    for (size_t i = 0; i < line.size();) {
        const size_t length = platform::Utf8SequenceLength(line.substr(i));
        const auto byte = static_cast<unsigned char>(line[i]);
        if (length == 0 || byte < 0x20 || byte == 0x7F ||
            (byte == 0xC2 && static_cast<unsigned char>(line[i + 1]) <= 0x9F)) {
            return false;
        }
        i += length;
    }
    return true;
}

// The default settings file, as the program writes it at its first start.
std::string DefaultSettingsFile(const test_support::ScratchMachineDirectory& directory) {
    directory.RemoveEntries();
    Require(SettingsFile().WriteDefaultSettings());
    std::ifstream in(directory / SettingsFile::kFileName, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

const std::string kClassesOfControls =
    "[Gobale Daten]\nRevision=2\ng=9\x1b[2J\nFluidtemperatur=1\r0\n[K-Werte]\nAnzahl=4\nK0=A\rB\nK1=\x1b]0;x\x07\n"
    "K2=Gro\xdf\xff\nK3=\xc2\x9b\t\\\n[A\rB-1]\nDN=100\nda=1\x1b\ns=\xff\nZMA=\xc2\x85\n";

// Settings files a hostile or careless user may leave in the machine directory.
struct HostileFile {
    const char* name;
    void (*make)(const test_support::ScratchMachineDirectory& directory, const std::string& ini);
};
const HostileFile kHostileFiles[] = {
    {"link",
     [](const auto& directory, const std::string& ini) {
         Write(directory / "geheim", "[Gobale Daten]\nRevision=2\ng=1\n");
         Require(::symlink("geheim", ini.c_str()) == 0);
     }},
    {"dangling",
     [](const auto&, const std::string& ini) { Require(::symlink("nirgends", ini.c_str()) == 0); }},
    {"nul", [](const auto&,
               const std::string& ini) { Write(ini, std::string("[K-Werte]\nAnzahl=1\nK0=\0\n", 22)); }},
    {"utf16", [](const auto&, const std::string& ini) { Write(ini, std::string("\xFF\xFE[\0K\0]\0", 8)); }},
    {"large",
     [](const auto&, const std::string& ini) {
         Write(ini, "[Gobale Daten]\nRevision=2\n");
         Require(::truncate(ini.c_str(), static_cast<off_t>(platform::kProfileMaxFileSize) + 1) == 0);
     }},
    {"directory", [](const auto&, const std::string& ini) { Require(::mkdir(ini.c_str(), 0777) == 0); }},
    {"bom", [](const auto&, const std::string& ini) { Write(ini, "\xEF\xBB\xBF" + kClassesOfControls); }},
    {"controls", [](const auto&, const std::string& ini) { Write(ini, kClassesOfControls); }},
    {"long",
     [](const auto&, const std::string& ini) {
         std::string umlauts;
         for (int i = 0; i < 100; ++i) umlauts += "\xC3\xA4";
         Write(ini, "[Gobale Daten]\nRevision=2\ng=" + umlauts + "\n[K-Werte]\nAnzahl=99999\nK0=" + umlauts +
                        "\n[" + umlauts.substr(0, 158) + "-1]\nDN=100\nda=118\n");
     }},
    {"old",
     [](const auto&, const std::string& ini) { Write(ini, "\xEF\xBB\xBF[Gobale Daten]\r\nRevision=1\r\n"); }},
};

// Sets up the settings file the script asks for; "nodir" asks for a machine directory that does not
// exist, returned as the directory to use (else the scratch directory).
std::string PrepareSettings(const test_support::ScratchMachineDirectory& directory, std::string_view script,
                            const std::string& defaults) {
    const std::string ini = directory / SettingsFile::kFileName;
    constexpr std::string_view kAsk = "#settings ";
    if (StartsWith(script, kAsk)) {
        const std::string_view name = script.substr(kAsk.size(), script.find('\n') - kAsk.size());
        if (name == "nodir")
            return directory / "fehlt";
        for (const HostileFile& file : kHostileFiles) {
            if (name == file.name) {
                file.make(directory, ini);
                return directory.Path();
            }
        }
    }
    Write(ini, defaults);
    return directory.Path();
}

// Calculation files go to the scratch directory only: a script that names a file elsewhere is not run.
bool NamesFilesElsewhere(std::string_view script) {
    for (size_t start = 0; start < script.size();) {
        const size_t end = std::min(script.find('\n', start), script.size());
        const std::string_view line = script.substr(start, end - start);
        for (std::string_view keyword : {"choose ", "open ", "save "}) {
            if (StartsWith(line, keyword) && line.find('/') != std::string_view::npos)
                return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const test_support::ScratchMachineDirectory& directory = fuzzing::MachineDirectory();
    static const std::string defaults = DefaultSettingsFile(directory);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (NamesFilesElsewhere(text))
        return 0;
    directory.RemoveEntries();
    const std::string windir =
        PrepareSettings(directory, std::string_view(reinterpret_cast<const char*>(data), size), defaults);
    ::setenv("WINDIR", windir.c_str(), 1);

    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream transcript, errors;
    // The session works in the scratch directory, where its files go; the fuzzer's own stays.
    char* const workingDirectory = ::getcwd(nullptr, 0);
    Require(workingDirectory && ::chdir(directory.Path().c_str()) == 0);
    const int status = RunScript(script, &transcript, errors);
    Require(::chdir(workingDirectory) == 0);
    std::free(workingDirectory);
    ::setenv("WINDIR", directory.Path().c_str(), 1);

    const std::string error = errors.str();
    if (status == kScriptCompleted) {
        Require(error.empty());
    } else {
        Require(status == kScriptFailed);
        Require(StartsWith(error, "error: line ") && error.find('\n') == error.size() - 1);
        // The reason follows "error: line N: "; a quoted script text may hold any words.
        const size_t reason = error.find(": ", std::string_view("error: line ").size());
        Require(reason != std::string::npos &&
                !StartsWith(std::string_view(error).substr(reason + 2), "internal error"));
    }
    std::istringstream lines(transcript.str());
    for (std::string line; std::getline(lines, line);) {
        // Quoted texts may hold escaped line breaks only; a raw one would start a line of no kind.
        Require(IsTranscriptLine(line) && IsPlainText(line));
    }
    return 0;
}

// quellrix-script on arbitrary scripts, run in-process through the runner library: each session runs to
// its end or stops at a faulty line with one "error: line N: ..." line, never with a crash, a hang or an
// internal error, and writes only transcript lines of the documented kinds. Every session starts with
// the default settings file, as the program writes it at its first start (written once, copied in).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "ScratchMachineDirectory.h"
#include "app/script/ScriptRunner.h"
#include "catalogue/SettingsFile.h"

namespace {

void Require(bool holds) {
    if (!holds)
        std::abort();
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsTranscriptLine(std::string_view line) {
    static const char* const kKinds[] = {"message \"", "warning \"", "dialog ", "disabled ", "page ",
                                         "text ",      "line ",      "rect ",   "browser ",  "edit ",
                                         "list ",      "tabs ",      "button ", "record ",   "  entry "};
    for (const char* kind : kKinds) {
        if (StartsWith(line, kind))
            return true;
    }
    return false;
}

// The default settings file, as the program writes it at its first start.
std::string DefaultSettingsFile(const fuzzing::ScratchMachineDirectory& directory) {
    directory.Clear();
    Require(SettingsFile().WriteDefaultSettings());
    std::ifstream in(directory.File(SettingsFile::kFileName), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fuzzing::ScratchMachineDirectory directory;
    static const std::string defaults = DefaultSettingsFile(directory);
    directory.Clear();
    std::ofstream(directory.File(SettingsFile::kFileName), std::ios::binary) << defaults;

    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream transcript, errors;
    const int status = RunScript(script, &transcript, errors);

    const std::string error = errors.str();
    if (status == kScriptCompleted) {
        Require(error.empty());
    } else {
        Require(status == kScriptFailed);
        Require(StartsWith(error, "error: line ") && error.find('\n') == error.size() - 1);
        Require(error.find("internal error") == std::string::npos);
    }
    std::istringstream lines(transcript.str());
    for (std::string line; std::getline(lines, line);) {
        // Quoted texts may hold escaped line breaks only; a raw one would start a line of no kind.
        Require(IsTranscriptLine(line));
    }
    return 0;
}

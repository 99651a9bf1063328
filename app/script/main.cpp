// quellrix-script: runs a session of the program from a script of user actions and prints its
// transcript (docs/quellrix-script.md).
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/script/RunnerOptions.h"
#include "app/script/ScriptRunner.h"
#include "platform/MachineDirectory.h"
#include "platform/ProgramStart.h"

namespace {

int BadUsage(const std::string& problem) {
    std::cerr << "quellrix-script: " << problem << '\n' << kRunnerUsage << '\n';
    return kBadUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::string problem;
    platform::UseBinaryStandardStreams();
    const auto options = ParseRunnerArguments(platform::ProgramArguments(argc, argv), problem);
    if (!options)
        return BadUsage(problem);
    if (options->windir)
        platform::OverrideMachineDirectory(*options->windir);

    std::ios::sync_with_stdio(false);
    if (!options->script)
        return RunScript(std::cin, &std::cout, std::cerr);

    std::error_code ignored;
    std::ifstream script;
    const std::filesystem::path path = std::filesystem::u8path(*options->script);
    if (!std::filesystem::is_directory(path, ignored))
        script.open(path, std::ios::binary);
    if (!script.is_open())
        return BadUsage("cannot read the script " + *options->script);
    return RunScript(script, &std::cout, std::cerr);
}

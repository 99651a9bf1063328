// quellrix-script: runs a session of the program from a script of user actions and prints its
// transcript (docs/quellrix-script.md).
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app/script/RunnerOptions.h"
#include "app/script/ScriptRunner.h"

namespace {

int BadUsage(const std::string& problem) {
    std::cerr << "quellrix-script: " << problem << '\n' << kRunnerUsage << '\n';
    return kBadUsage;
}

}  // namespace

int main(int argc, char** argv) {
    std::string problem;
    const auto options = ParseRunnerArguments(std::vector<std::string>(argv + 1, argv + argc), problem);
    if (!options)
        return BadUsage(problem);
    if (options->windir)
        ::setenv("WINDIR", options->windir->c_str(), 1);

    std::ios::sync_with_stdio(false);
    if (!options->script)
        return RunScript(std::cin, &std::cout, std::cerr);

    std::error_code ignored;
    std::ifstream script;
    if (!std::filesystem::is_directory(*options->script, ignored))
        script.open(*options->script, std::ios::binary);
    if (!script.is_open())
        return BadUsage("cannot read the script " + *options->script);
    return RunScript(script, &std::cout, std::cerr);
}

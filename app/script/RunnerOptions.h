// The command line of quellrix-script: [--windir DIR] [SCRIPT].
#pragma once

#include <optional>
#include <string>
#include <vector>

inline constexpr const char* kRunnerUsage = "usage: quellrix-script [--windir DIR] [SCRIPT]";
inline constexpr int kBadUsage = 2;  // exit status

struct RunnerOptions {
    std::optional<std::string> windir;  // the machine directory, for WINDIR
    std::optional<std::string> script;  // nullopt: standard input
};

// The options of the arguments (without the program name); nullopt with the reason in problem when
// they do not fit the usage.
std::optional<RunnerOptions> ParseRunnerArguments(const std::vector<std::string>& arguments,
                                                  std::string& problem);

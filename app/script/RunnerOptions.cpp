#include "app/script/RunnerOptions.h"

std::optional<RunnerOptions> ParseRunnerArguments(const std::vector<std::string>& arguments,
                                                  std::string& problem) {
    RunnerOptions options;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--windir") {
            if (options.windir) {
                problem = "--windir given twice";
                return std::nullopt;
            }
            if (i + 1 == arguments.size() || arguments[i + 1].empty()) {
                problem = "--windir needs a directory";
                return std::nullopt;
            }
            options.windir = arguments[++i];
        } else if (!argument.empty() && argument.front() == '-') {
            problem = "unknown option " + argument;
            return std::nullopt;
        } else if (options.script || argument.empty()) {
            problem = argument.empty() ? "empty script name" : "more than one script";
            return std::nullopt;
        } else {
            options.script = argument;
        }
    }
    return options;
}

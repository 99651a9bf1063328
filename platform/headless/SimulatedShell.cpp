#include "platform/headless/SimulatedShell.h"

namespace headless {

int SimulatedShell::FindExecutable(const std::string& file, std::string& program) {
    program = platform::ShellSucceeded(lookupResult_) ? kSimulatedBrowser : "";
    transcript_.Add("browser lookup " + Quote(file) + " " + std::to_string(lookupResult_));
    return lookupResult_;
}

int SimulatedShell::ShellExecute(const std::string& program, const std::string& argument) {
    transcript_.Add("browser start " + Quote(program) + " " + Quote(argument) + " " +
                    std::to_string(startResult_));
    return startResult_;
}

}  // namespace headless

#include "platform/headless/SimulatedShell.h"

namespace headless {

int SimulatedShell::FindExecutable(const std::string& file, std::string& program) {
    program = platform::ShellSucceeded(m_lookupResult) ? kSimulatedBrowser : "";
    m_transcript.Add("browser lookup " + Quote(file) + " " + std::to_string(m_lookupResult));
    return m_lookupResult;
}

int SimulatedShell::ShellExecute(const std::string& program, const std::string& argument) {
    m_transcript.Add("browser start " + Quote(program) + " " + Quote(argument) + " " +
                     std::to_string(m_startResult));
    return m_startResult;
}

}  // namespace headless

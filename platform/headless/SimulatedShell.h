// The headless browser: answers the shell services with the result codes the session sets (42, success,
// until set otherwise) and records every call in the transcript:
//   browser lookup "FILE" CODE
//   browser start "PROGRAM" "ARGUMENT" CODE
// A successful lookup names the program kSimulatedBrowser; a failed one names none. Nothing is started.
#pragma once

#include <string>

#include "platform/Shell.h"
#include "platform/headless/Transcript.h"

namespace headless {

inline constexpr const char* kSimulatedBrowser = "/usr/bin/x-www-browser";

class SimulatedShell : public platform::Shell {
  public:
    explicit SimulatedShell(Transcript& transcript) : m_transcript(transcript) {}

    // The codes of the script commands "browser lookup CODE" and "browser start CODE".
    void SetLookupResult(int code) { m_lookupResult = code; }
    void SetStartResult(int code) { m_startResult = code; }

    int FindExecutable(const std::string& file, std::string& program) override;
    int ShellExecute(const std::string& program, const std::string& argument) override;

  private:
    Transcript& m_transcript;
    int m_lookupResult = 42;
    int m_startResult = 42;
};

}  // namespace headless

// Everything a headless session of the program runs on: the transcript, the recording prompt, the
// simulated printer and browser, and the clock. Installs its prompt for its lifetime.
#pragma once

#include "platform/Services.h"
#include "platform/headless/FixedClock.h"
#include "platform/headless/RecordingPrompt.h"
#include "platform/headless/SimulatedPrinter.h"
#include "platform/headless/SimulatedShell.h"
#include "platform/headless/Transcript.h"

namespace headless {

class HeadlessPlatform {
  public:
    HeadlessPlatform() : m_installed(prompt) {}

    platform::Services Services() { return {printer, shell, clock}; }

    Transcript transcript;
    RecordingPrompt prompt{transcript};
    SimulatedPrinter printer{transcript};
    SimulatedShell shell{transcript};
    FixedClock clock;

  private:
    platform::ScopedPrompt m_installed;
};

}  // namespace headless

// The platform services the form view uses besides its controls and the prompt.
#pragma once

namespace platform {

class PrinterService;
class Shell;
class Clock;

struct Services {
    PrinterService& printer;
    Shell& shell;
    Clock& clock;
};

}  // namespace platform

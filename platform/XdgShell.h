// The shell services on a freedesktop.org desktop.
//
// FindExecutable: the type of the file comes from its extension (".html" and ".htm" are text/html; any
// other type has no association). "xdg-mime query default text/html" names the desktop entry of the
// default browser, which is looked up in the "applications" folders of XDG_DATA_HOME and XDG_DATA_DIRS.
// The program is the first word of the entry's Exec line, resolved through PATH. When that line passes
// more than the file or URL (a wrapper such as "env" or "flatpak run ..."), the program is "xdg-open",
// which starts the entry itself. Without such an entry the environment variable BROWSER is honoured as
// xdg-open honours it: the first of its colon-separated commands that can be run; a command of one word
// is the program, one with arguments or "%s" is left to "xdg-open". Codes: file missing 2, a folder of its
// path missing 3, no association (no xdg-mime, no default, no entry or no Exec line, and no command of
// BROWSER that can be run) 31, the program of the entry missing or not executable 11, xdg-mime not answering
// within the timeout 1, no process could be created 0; success 42.
//
// ShellExecute: starts the program with the argument, detached in a session of its own (no zombie, no
// waiting for it), standard streams on /dev/null. Codes: program missing 2, a folder of its path
// missing 3, not executable 11, no process 0, any other failure 1; success 42.
#pragma once

#include <chrono>
#include <string>

#include "platform/Shell.h"

namespace platform {

class XdgShell : public Shell {
  public:
    explicit XdgShell(std::chrono::milliseconds lookupTimeout = std::chrono::seconds(5))
        : m_lookupTimeout(lookupTimeout) {}

    int FindExecutable(const std::string& file, std::string& program) override;
    int ShellExecute(const std::string& program, const std::string& argument) override;

  private:
    std::chrono::milliseconds m_lookupTimeout;
};

}  // namespace platform

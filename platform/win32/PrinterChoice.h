// The printer the jobs of a run go to, with its device settings, as the print dialogs take and hand
// back a choice: DEVNAMES and DEVMODE in movable global memory, owned here. Nothing chosen yet: the
// system's default printer with its own settings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

// The printable area of a page and where it lies on the paper, in the printer's dots.
struct PaperGeometry {
    int paperWidth = 0, paperHeight = 0;
    int offsetX = 0, offsetY = 0;  // of the printable area's top-left corner on the paper
    int printableWidth = 0, printableHeight = 0;
    int dotsPerInchX = 0, dotsPerInchY = 0;
};

// The geometry of a printer's device context (GetDeviceCaps).
PaperGeometry GeometryOf(HDC printer);
// Without a printer: A4 at 600 dpi with a printable area of 4676 x 6744 dots, as the report assumes.
PaperGeometry FallbackGeometry();

// The name of the system's default printer; empty when there is none.
std::wstring DefaultPrinterName();
// True when a printer of that name is set up on the machine.
bool PrinterExists(const std::wstring& name);

class PrinterChoice {
  public:
    PrinterChoice() = default;
    ~PrinterChoice();
    PrinterChoice(const PrinterChoice&) = delete;
    PrinterChoice& operator=(const PrinterChoice&) = delete;

    // For the dialogs, which may free these and put others in their place.
    HGLOBAL& DevMode() { return m_devMode; }
    HGLOBAL& DevNames() { return m_devNames; }

    // The chosen printer's name, else the default printer's; empty when there is no printer.
    std::wstring DeviceName() const;
    // A device context of the chosen printer with the chosen settings; nullptr when there is none.
    HDC CreateDc() const;

    // The choice as the profile keeps it: the bytes of DEVNAMES and DEVMODE; empty when not chosen.
    std::vector<std::uint8_t> DevNamesBytes() const;
    std::vector<std::uint8_t> DevModeBytes() const;
    // Takes a choice kept earlier when its bytes are well-formed and its printer is still set up, with
    // the settings as the printer's driver corrects them (without them when the driver refuses them).
    // False, and the choice unchanged, otherwise.
    bool Restore(const std::vector<std::uint8_t>& devNames, const std::vector<std::uint8_t>& devMode);

  private:
    HGLOBAL m_devMode = nullptr;
    HGLOBAL m_devNames = nullptr;
};

}  // namespace platform::win32

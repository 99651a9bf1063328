// The print settings in the program's profile (section "Settings"): the printer last chosen in a print
// dialog with its device settings ("DevNames", "DevMode") and the pages side by side in the print
// preview ("PreviewPages", 1 or 2).
#pragma once

#include "platform/win32/PrinterChoice.h"
#include "platform/win32/RegistryStore.h"

namespace platform::win32 {

// A kept printer that is gone, or settings that are not well-formed, leave the choice as it is; the
// preview pages are 1 unless 2 is kept.
void LoadPrintSettings(const RegistryStore& profile, PrinterChoice& choice, int& previewPages);

void SavePrinterChoice(const RegistryStore& profile, const PrinterChoice& choice);
void SavePreviewPages(const RegistryStore& profile, int previewPages);

}  // namespace platform::win32

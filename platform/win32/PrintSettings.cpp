#include "platform/win32/PrintSettings.h"

namespace platform::win32 {

namespace {

const char* const kSection = "Settings";

}  // namespace

void LoadPrintSettings(const RegistryStore& profile, PrinterChoice& choice, int& previewPages) {
    if (const auto devNames = profile.ReadBinary(kSection, "DevNames"))
        choice.Restore(*devNames,
                       profile.ReadBinary(kSection, "DevMode").value_or(std::vector<std::uint8_t>()));
    previewPages = profile.ReadNumber(kSection, "PreviewPages") == 2u ? 2 : 1;
}

// Settings that are not known are not kept, so that they never pair with another printer.
void SavePrinterChoice(const RegistryStore& profile, const PrinterChoice& choice) {
    const std::vector<std::uint8_t> devNames = choice.DevNamesBytes();
    if (devNames.empty())
        return;
    profile.WriteBinary(kSection, "DevNames", devNames);
    const std::vector<std::uint8_t> devMode = choice.DevModeBytes();
    if (devMode.empty())
        profile.Remove(kSection, "DevMode");
    else
        profile.WriteBinary(kSection, "DevMode", devMode);
}

void SavePreviewPages(const RegistryStore& profile, int previewPages) {
    profile.WriteNumber(kSection, "PreviewPages", previewPages == 2 ? 2 : 1);
}

}  // namespace platform::win32

// Printing on Windows: the job on a device context, the preview window, the default printer and PDF.
// Under wine there is usually no printer: the tests hold whichever way the machine is set up.
#include "platform/win32/WindowsApi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/RecordingPrompt.h"
#include "platform/win32/PreviewWindow.h"
#include "platform/win32/PrintSettings.h"
#include "platform/win32/Win32PrinterService.h"
#include "record/PlenwickDoc.h"
#include "report/CalculationReport.h"
#include "support/ScratchDirectory.h"

namespace {

using platform::win32::Win32PrinterService;

// A one-page report whose printing steps are logged.
class LoggedReport : public platform::Printable {
  public:
    LoggedReport() {
        m_doc.SetDi(0.1);
        m_doc.SetV(1.0);
        m_doc.SetT(10);
    }
    bool OnPreparePrinting(platform::PrintInfo& info) override {
        steps.push_back("prepare");
        info.maxPage = 1;
        return true;
    }
    void OnBeginPrinting(platform::DrawingContext&, platform::PrintInfo&) override {
        steps.push_back("begin");
    }
    void OnPrint(platform::DrawingContext& dc, platform::PrintInfo& info) override {
        steps.push_back("print " + std::to_string(info.currentPage));
        page = info;
        ComposeCalculationReport(dc, info.pageWidth, info.pageHeight, m_doc, {2026, 12, 9, 2, 0, 0}, info,
                                 std::string());
    }
    void OnEndPrinting(platform::DrawingContext&, platform::PrintInfo&) override { steps.push_back("end"); }

    std::vector<std::string> steps;
    platform::PrintInfo page;

  private:
    CPlenwickDoc m_doc;
};

class Win32Printing : public ::testing::Test {
  protected:
    static constexpr const wchar_t* kProfileKey = L"Software\\Quellrix-Test\\Printing";
    void SetUp() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kProfileKey); }

    platform::win32::RegistryStore profile{kProfileKey};
    headless::Transcript transcript;
    headless::RecordingPrompt prompt{transcript};
    platform::ScopedPrompt scopedPrompt{prompt};
    LoggedReport report;
};

// A device context that takes no document (a metafile's): the job is said not to start, and no printing
// step runs.
TEST_F(Win32Printing, AJobThatCannotStartIsSaidAndDrawsNothing) {
    const HDC metafile = ::CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    platform::PrintInfo info;
    EXPECT_FALSE(platform::win32::PrintDocument(metafile, report, info));
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(metafile));
    EXPECT_TRUE(report.steps.empty());
    ASSERT_EQ(transcript.Lines().size(), 1u);
    EXPECT_NE(transcript.Lines()[0].find("Der Druckauftrag konnte nicht gestartet werden."),
              std::string::npos);
}

TEST_F(Win32Printing, DefaultPrinterAndPdfPrinterAsTheMachineHasThem) {
    Win32PrinterService printer(nullptr, profile);
    const platform::DefaultPrinter found = printer.QueryDefaultPrinter();
    if (platform::win32::DefaultPrinterName().empty()) {
        EXPECT_EQ(found.status, platform::DefaultPrinter::Status::NoDefaultPrinter);
    } else {
        EXPECT_EQ(found.status, platform::DefaultPrinter::Status::Ok);
        EXPECT_GT(found.width, 0);
        EXPECT_GT(found.height, 0);
    }

    const test_support::ScratchDirectory scratch;
    const std::filesystem::path pdf = std::filesystem::u8path(scratch / "Bericht ä.pdf");
    const bool available = platform::win32::PrinterExists(platform::win32::kPdfPrinterName);
    EXPECT_EQ(printer.SaveAsPdf(report, pdf.u8string()), available);
    EXPECT_EQ(std::filesystem::exists(pdf), available);
}

// The preview is closed by the user once its page is drawn, after switching to two pages side by side.
const LoggedReport* g_previewed = nullptr;

void CALLBACK UseThePreview(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND preview = ::FindWindowW(platform::win32::kPreviewWindowClass, nullptr);
    if (!preview || g_previewed->steps.size() < 3)
        return;
    ::KillTimer(nullptr, timer);
    ::SendMessageW(::GetDlgItem(preview, 102), BM_CLICK, 0, 0);
    ::UpdateWindow(preview);
    ::PostMessageW(preview, WM_CLOSE, 0, 0);
}

TEST_F(Win32Printing, PreviewDrawsThePageUntilClosed) {
    Win32PrinterService printer(nullptr, profile);
    g_previewed = &report;
    ::SetTimer(nullptr, 0, 50, UseThePreview);
    printer.Preview(report);

    ASSERT_GE(report.steps.size(), 4u) << "no preview window (is there a display?)";
    EXPECT_EQ(report.steps.front(), "prepare");
    EXPECT_EQ(report.steps[1], "begin");
    EXPECT_EQ(report.steps[2], "print 1");
    EXPECT_EQ(report.steps.back(), "end");
    EXPECT_TRUE(report.page.preview);
    if (platform::win32::DefaultPrinterName().empty()) {
        EXPECT_EQ(report.page.pageWidth, 4676);
        EXPECT_EQ(report.page.pageHeight, 6744);
    }
    EXPECT_EQ(printer.PreviewPages(), 2);
    EXPECT_EQ(Win32PrinterService(nullptr, profile).PreviewPages(), 2);  // kept in the profile
    EXPECT_TRUE(transcript.Lines().empty());
}

// DEVNAMES bytes for a printer: driver, device and port after the header.
std::vector<std::uint8_t> DevNamesFor(const std::wstring& device) {
    const std::wstring texts = std::wstring(L"winspool") + L'\0' + device + L'\0' + L"LPT1:" + L'\0';
    const DEVNAMES header{4, static_cast<WORD>(4 + 9), static_cast<WORD>(4 + 9 + device.size() + 1), 0};
    std::vector<std::uint8_t> bytes(sizeof header + texts.size() * sizeof(wchar_t));
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, texts.data(), texts.size() * sizeof(wchar_t));
    return bytes;
}

TEST_F(Win32Printing, KeptSettingsAreTakenOnlyWhenSoundAndTheirPrinterIsThere) {
    using platform::win32::PrinterChoice;
    for (const auto& devNames : {std::vector<std::uint8_t>{1, 2, 3}, DevNamesFor(L"Nirgendwo")}) {
        PrinterChoice choice;
        EXPECT_FALSE(choice.Restore(devNames, {}));
        EXPECT_TRUE(choice.DevNamesBytes().empty());
    }
    const std::wstring standard = platform::win32::DefaultPrinterName();
    if (!standard.empty()) {  // real Windows with a printer
        PrinterChoice choice;
        ASSERT_TRUE(choice.Restore(DevNamesFor(standard), {1, 2, 3}));  // settings not well-formed: dropped
        EXPECT_EQ(choice.DeviceName(), standard);
        EXPECT_TRUE(choice.DevModeBytes().empty());
    }

    struct Case {
        std::optional<std::uint32_t> kept;
        int pages;
    };
    for (const Case& c : {Case{std::nullopt, 1}, Case{1, 1}, Case{2, 2}, Case{0, 1}, Case{7, 1}}) {
        if (c.kept)
            profile.WriteNumber("Settings", "PreviewPages", *c.kept);
        profile.WriteBinary("Settings", "DevNames", DevNamesFor(L"Nirgendwo"));
        PrinterChoice choice;
        int pages = 0;
        platform::win32::LoadPrintSettings(profile, choice, pages);
        EXPECT_EQ(pages, c.pages);
        EXPECT_EQ(choice.DeviceName(), standard);
    }
}

}  // namespace

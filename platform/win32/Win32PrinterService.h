// Printing on Windows: the default printer's printable size, the print dialog, print jobs on the
// printer's device context, the print preview window, the printer set-up and saving as PDF through the
// printer "Microsoft Print to PDF". Pages are drawn through GdiDrawingContext in the printer's dots; each
// job tells the printable area of its page to the printing steps.
//
// One printer choice serves every job of the run, so a choice made in a dialog holds for the next job.
// The choice and the preview's pages side by side are kept in the program's profile (PrintSettings.h):
// read when the service is made, written when they change.
#pragma once

#include <string>

#include "platform/Printing.h"
#include "platform/win32/PrinterChoice.h"
#include "platform/win32/RegistryStore.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

// The printer that saves pages as PDF files on Windows 10 and later.
inline constexpr const wchar_t* kPdfPrinterName = L"Microsoft Print to PDF";

// Runs the printing steps of printable as one document on a printer's device context: OnBeginPrinting,
// each page between StartPage and EndPage, OnEndPrinting. output names a file the spooler writes the job
// to (empty: the printer's own port). A job that cannot be started or a page that fails is said with
// the message kPrintJobNotStarted; the result is false then.
bool PrintDocument(HDC printer, platform::Printable& printable, platform::PrintInfo& info,
                   const std::wstring& output = {});

class Win32PrinterService final : public platform::PrinterService {
  public:
    // Dialogs and the preview window are owned by owner (may be none); profile is the program's own
    // (tests give another).
    explicit Win32PrinterService(HWND owner, RegistryStore profile = RegistryStore());
    ~Win32PrinterService() override;
    Win32PrinterService(const Win32PrinterService&) = delete;
    Win32PrinterService& operator=(const Win32PrinterService&) = delete;

    platform::DefaultPrinter QueryDefaultPrinter() override;
    // The print dialog (none in preview); its device context is the next job's.
    bool DoPreparePrinting(platform::PrintInfo& info) override;
    void Print(platform::Printable& printable) override;
    void Preview(platform::Printable& printable) override;
    void PrinterSetup() override;

    // The pages of printable printed on "Microsoft Print to PDF" without the print dialog; the printer
    // asks for the file unless path names one. False when the machine has no such printer.
    bool SaveAsPdf(platform::Printable& printable, const std::string& path = {});

    void SetOwner(HWND owner) { m_owner = owner; }
    // Pages side by side in the preview (1 or 2), as the preview was left last.
    int PreviewPages() const { return m_previewPages; }
    // The printer the jobs go to; empty when there is none.
    std::wstring PrinterName() const { return m_choice.DeviceName(); }

  private:
    HWND m_owner;
    RegistryStore m_profile;
    PrinterChoice m_choice;
    HDC m_preparedJob = nullptr;  // from the print dialog, for the job being started
    int m_previewPages = 1;
};

}  // namespace platform::win32

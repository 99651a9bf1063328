#include "platform/win32/Win32PrinterService.h"

#include <commdlg.h>

#include <algorithm>
#include <utility>

#include "platform/Prompt.h"
#include "platform/win32/GdiDrawingContext.h"
#include "platform/win32/PreviewWindow.h"
#include "platform/win32/PrintSettings.h"
#include "platform/win32/Wide.h"

namespace platform::win32 {

namespace {

// A device context deleted when it goes out of scope.
class DeviceContext {
  public:
    explicit DeviceContext(HDC dc) : m_dc(dc) {}
    ~DeviceContext() {
        if (m_dc)
            ::DeleteDC(m_dc);
    }
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;
    HDC Get() const { return m_dc; }

  private:
    HDC m_dc;
};

constexpr DWORD kDialogFlags =
    PD_RETURNDC | PD_NOSELECTION | PD_NOCURRENTPAGE | PD_USEDEVMODECOPIESANDCOLLATE;

DWORD PageFlags(const platform::PrintInfo& info) {
    return info.maxPage > info.minPage ? 0 : PD_NOPAGENUMS;
}

// The pages the user asked for, within the job's.
void TakePageRange(platform::PrintInfo& info, DWORD flags, DWORD from, DWORD to) {
    if ((flags & PD_PAGENUMS) == 0)
        return;
    info.minPage = std::max(info.minPage, static_cast<int>(from));
    info.maxPage = std::min(info.maxPage, static_cast<int>(to));
}

enum class DialogEnd { Print, Apply, Cancel, Unavailable };

// A print dialog's structure with the printer choice and the job's pages filled in.
template <typename Dialog>
Dialog PrintDialogFor(HWND owner, PrinterChoice& choice, const platform::PrintInfo& info, DWORD flags) {
    Dialog dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = choice.DevMode();
    dialog.hDevNames = choice.DevNames();
    dialog.Flags = flags;
    dialog.nMinPage = static_cast<decltype(dialog.nMinPage)>(info.minPage);
    dialog.nMaxPage = static_cast<decltype(dialog.nMaxPage)>(std::max(info.minPage, info.maxPage));
    dialog.nCopies = 1;
    return dialog;
}

// A dialog frees the settings it was given when it makes new ones: the choice takes what it hands back.
template <typename Dialog>
void TakeChoice(PrinterChoice& choice, const Dialog& dialog) {
    choice.DevMode() = dialog.hDevMode;
    choice.DevNames() = dialog.hDevNames;
}

// The print dialog of Windows 2000 and later; Unavailable: the system has none, use the older one.
DialogEnd ShowPrintDialogEx(HWND owner, PrinterChoice& choice, platform::PrintInfo& info, HDC& job) {
    PRINTPAGERANGE range{static_cast<DWORD>(info.minPage), static_cast<DWORD>(info.maxPage)};
    auto dialog = PrintDialogFor<PRINTDLGEXW>(owner, choice, info, kDialogFlags | PageFlags(info));
    dialog.nPageRanges = 1;
    dialog.nMaxPageRanges = 1;
    dialog.lpPageRanges = &range;
    dialog.nStartPage = START_PAGE_GENERAL;
    const HRESULT result = ::PrintDlgExW(&dialog);
    TakeChoice(choice, dialog);
    if (FAILED(result))
        return DialogEnd::Unavailable;
    if (dialog.dwResultAction != PD_RESULT_PRINT) {
        if (dialog.hDC)
            ::DeleteDC(dialog.hDC);
        return dialog.dwResultAction == PD_RESULT_APPLY ? DialogEnd::Apply : DialogEnd::Cancel;
    }
    job = dialog.hDC;
    TakePageRange(info, dialog.Flags, range.nFromPage, range.nToPage);
    return DialogEnd::Print;
}

DialogEnd ShowPrintDialog(HWND owner, PrinterChoice& choice, platform::PrintInfo& info, HDC& job) {
    auto dialog = PrintDialogFor<PRINTDLGW>(owner, choice, info, kDialogFlags | PageFlags(info));
    dialog.nFromPage = dialog.nMinPage;
    dialog.nToPage = dialog.nMaxPage;
    const bool accepted = ::PrintDlgW(&dialog) != 0;
    TakeChoice(choice, dialog);
    if (!accepted)
        return DialogEnd::Cancel;
    job = dialog.hDC;
    TakePageRange(info, dialog.Flags, dialog.nFromPage, dialog.nToPage);
    return DialogEnd::Print;
}

}  // namespace

bool PrintDocument(HDC printer, platform::Printable& printable, platform::PrintInfo& info,
                   const std::wstring& output) {
    const PaperGeometry paper = GeometryOf(printer);
    info.pageWidth = paper.printableWidth;
    info.pageHeight = paper.printableHeight;
    const std::wstring name = Widen(platform::kApplicationTitle);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    document.lpszOutput = output.empty() ? nullptr : output.c_str();
    if (::StartDocW(printer, &document) <= 0) {
        if (::GetLastError() != ERROR_CANCELLED)  // the printer's own file dialog was cancelled
            platform::ShowMessage(platform::kPrintJobNotStarted, platform::MessageIcon::Exclamation);
        return false;
    }
    bool printed = true;
    {
        GdiDrawingContext dc(printer);
        printable.OnBeginPrinting(dc, info);
        const int last = std::max(info.maxPage, info.minPage);
        for (int page = info.minPage; printed && page <= last; ++page) {
            info.currentPage = page;
            printed = ::StartPage(printer) > 0;
            if (printed) {
                printable.OnPrint(dc, info);
                printed = ::EndPage(printer) > 0;
            }
        }
        printable.OnEndPrinting(dc, info);
    }
    if (printed)
        printed = ::EndDoc(printer) > 0;
    else
        ::AbortDoc(printer);
    if (!printed)
        platform::ShowMessage(platform::kPrintJobNotStarted, platform::MessageIcon::Exclamation);
    return printed;
}

Win32PrinterService::Win32PrinterService(HWND owner, RegistryStore profile)
    : m_owner(owner), m_profile(std::move(profile)) {
    LoadPrintSettings(m_profile, m_choice, m_previewPages);
}

Win32PrinterService::~Win32PrinterService() {
    if (m_preparedJob)
        ::DeleteDC(m_preparedJob);
}

platform::DefaultPrinter Win32PrinterService::QueryDefaultPrinter() {
    using Status = platform::DefaultPrinter::Status;
    std::wstring name = DefaultPrinterName();
    if (name.empty())
        return {Status::NoDefaultPrinter, 0, 0};
    HANDLE printer = nullptr;
    if (!::OpenPrinterW(name.data(), &printer, nullptr))
        return {Status::SettingsUnreadable, 0, 0};
    const LONG settings = ::DocumentPropertiesW(m_owner, printer, name.data(), nullptr, nullptr, 0);
    ::ClosePrinter(printer);
    if (settings <= 0)
        return {Status::SettingsUnreadable, 0, 0};
    const DeviceContext dc(::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, nullptr));
    if (!dc.Get())
        return {Status::SettingsUnreadable, 0, 0};
    return {Status::Ok, ::GetDeviceCaps(dc.Get(), HORZRES), ::GetDeviceCaps(dc.Get(), VERTRES)};
}

bool Win32PrinterService::DoPreparePrinting(platform::PrintInfo& info) {
    if (info.maxPage < info.minPage)
        info.maxPage = info.minPage;
    if (info.preview)
        return true;
    if (m_preparedJob)
        ::DeleteDC(std::exchange(m_preparedJob, nullptr));
    HDC job = nullptr;
    DialogEnd end = m_owner ? ShowPrintDialogEx(m_owner, m_choice, info, job) : DialogEnd::Unavailable;
    if (end == DialogEnd::Unavailable)
        end = ShowPrintDialog(m_owner, m_choice, info, job);
    if (end == DialogEnd::Print || end == DialogEnd::Apply)
        SavePrinterChoice(m_profile, m_choice);
    m_preparedJob = job;
    return end == DialogEnd::Print && job && info.minPage <= info.maxPage;
}

void Win32PrinterService::Print(platform::Printable& printable) {
    platform::PrintInfo info;
    const bool prepared = printable.OnPreparePrinting(info);
    const DeviceContext job(std::exchange(m_preparedJob, nullptr));
    if (!prepared)
        return;
    const DeviceContext chosen(job.Get() ? nullptr : m_choice.CreateDc());
    const HDC printer = job.Get() ? job.Get() : chosen.Get();
    if (!printer) {
        platform::ShowMessage(platform::kPrintJobNotStarted, platform::MessageIcon::Exclamation);
        return;
    }
    PrintDocument(printer, printable, info);
}

// Measured on the printer the jobs go to; without one, on the screen and on the page the report assumes.
void Win32PrinterService::Preview(platform::Printable& printable) {
    platform::PrintInfo info;
    info.preview = true;
    if (!printable.OnPreparePrinting(info))
        return;
    const DeviceContext printer(m_choice.CreateDc());
    const DeviceContext screen(printer.Get() ? nullptr : ::CreateCompatibleDC(nullptr));
    PreviewRequest request{m_owner, printer.Get(),
                           printer.Get() ? GeometryOf(printer.Get()) : FallbackGeometry(), m_previewPages};
    info.pageWidth = request.paper.printableWidth;
    info.pageHeight = request.paper.printableHeight;
    PreviewEnd end;
    {
        GdiDrawingContext measuring(printer.Get() ? printer.Get() : screen.Get());
        printable.OnBeginPrinting(measuring, info);
        end = RunPreviewWindow(printable, info, request);
        printable.OnEndPrinting(measuring, info);
    }
    if (request.pagesSideBySide != m_previewPages) {
        m_previewPages = request.pagesSideBySide;
        SavePreviewPages(m_profile, m_previewPages);
    }
    if (end == PreviewEnd::PrintRequested)
        Print(printable);
}

// The print dialog in its set-up role: printer, paper and options for the next jobs, nothing printed.
void Win32PrinterService::PrinterSetup() {
    auto dialog = PrintDialogFor<PRINTDLGW>(m_owner, m_choice, platform::PrintInfo{}, PD_PRINTSETUP);
    const bool accepted = ::PrintDlgW(&dialog) != 0;
    TakeChoice(m_choice, dialog);
    if (accepted)
        SavePrinterChoice(m_profile, m_choice);
}

bool Win32PrinterService::SaveAsPdf(platform::Printable& printable, const std::string& path) {
    if (!PrinterExists(kPdfPrinterName))
        return false;
    const DeviceContext printer(::CreateDCW(L"WINSPOOL", kPdfPrinterName, nullptr, nullptr));
    if (!printer.Get()) {
        platform::ShowMessage(platform::kPrintJobNotStarted, platform::MessageIcon::Exclamation);
        return true;
    }
    platform::PrintInfo info;
    info.maxPage = 1;
    PrintDocument(printer.Get(), printable, info, path.empty() ? std::wstring() : Widen(path));
    return true;
}

}  // namespace platform::win32

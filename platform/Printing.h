// The framework's printing machinery: the default printer, print jobs and print preview.
#pragma once

namespace platform {

class DrawingContext;

// What the printing machinery says when a job cannot be started on the printer.
inline constexpr const char* kPrintJobNotStarted = "Der Druckauftrag konnte nicht gestartet werden.";

struct PageSize {
    int width = 0;
    int height = 0;
};

// What the framework tells the printing steps about a job.
struct PrintInfo {
    int currentPage = 1;
    int minPage = 1;
    int maxPage = 0;  // 0: not known yet; the printing steps set it
    bool preview = false;
    // Printable area of the page the job prints on, in its device units; 0 when the printer does not
    // say (the page is then laid out on the size read at start).
    int pageWidth = 0;
    int pageHeight = 0;
};

// The object whose pages are printed: the form view.
class Printable {
  public:
    virtual ~Printable() = default;
    // At the start of printing and of print preview; false ends the command.
    virtual bool OnPreparePrinting(PrintInfo& info) = 0;
    virtual void OnBeginPrinting(DrawingContext& dc, PrintInfo& info) = 0;
    // Draws page info.currentPage.
    virtual void OnPrint(DrawingContext& dc, PrintInfo& info) = 0;
    virtual void OnEndPrinting(DrawingContext& dc, PrintInfo& info) = 0;
};

struct DefaultPrinter {
    enum class Status {
        Ok,                  // width and height hold the printable size in device units
        NoDefaultPrinter,    // no printer is set up as default
        SettingsUnreadable,  // its device settings cannot be accessed
    };
    Status status = Status::NoDefaultPrinter;
    int width = 0;
    int height = 0;
};

class PrinterService {
  public:
    virtual ~PrinterService() = default;
    virtual DefaultPrinter QueryDefaultPrinter() = 0;
    // The framework's standard print preparation: the print dialog when printing, none in preview.
    // False when the user cancels.
    virtual bool DoPreparePrinting(PrintInfo& info) = 0;

    // The framework's print and preview commands: run the printing steps of the printable.
    virtual void Print(Printable& printable) = 0;
    virtual void Preview(Printable& printable) = 0;
    // The printer-setup dialog.
    virtual void PrinterSetup() = 0;
};

}  // namespace platform

// Printing through Qt: the default printer's printable size, the print dialog, print jobs, the print
// preview and the printer set-up, all in the printer's own dots (high resolution). Each job tells the
// printable area of its page to the printing steps.
//
// One printer serves every job of the run, so a choice made in a dialog holds for the next job. With
// no default printer it is a PDF printer of 600 dpi on A4 whose printable area holds 4676 x 6744 dots.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "platform/Printing.h"

class QPrinter;

namespace qtbackend {

class QtPrinterService : public platform::PrinterService {
  public:
    QtPrinterService();
    ~QtPrinterService() override;

    platform::DefaultPrinter QueryDefaultPrinter() override;
    bool DoPreparePrinting(platform::PrintInfo& info) override;
    void Print(platform::Printable& printable) override;
    void Preview(platform::Printable& printable) override;
    void PrinterSetup() override;

    // The pages of the printable written to a PDF file of the job printer's paper, without a dialog;
    // a page laid out for another size is scaled to fit. False when the file cannot be written.
    bool PrintToPdf(platform::Printable& printable, const QString& path);

    void SetParentWindow(QWidget* window) { m_parent = window; }
    // The printer the jobs go to.
    QPrinter& JobPrinter();

  private:
    QPointer<QWidget> m_parent;
    std::unique_ptr<QPrinter> m_printer;
};

// A printer for when there is no default printer: PDF, 600 dpi, A4, with a printable area just large
// enough for 4676 x 6744 dots.
std::unique_ptr<QPrinter> MakeFallbackPrinter();

}  // namespace qtbackend

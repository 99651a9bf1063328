// The headless default printer and print jobs: the printer's state is set by the session; print and
// preview run the printing steps on a recording drawing context, whose output goes to the transcript.
#pragma once

#include "platform/Printing.h"
#include "platform/headless/Transcript.h"

namespace headless {

class SimulatedPrinter : public platform::PrinterService {
  public:
    explicit SimulatedPrinter(Transcript& transcript) : m_transcript(transcript) {}

    // The default printer the program will find (default: one of 4676 x 6744 dots).
    void SetDefaultPrinter(const platform::DefaultPrinter& printer) { m_printer = printer; }
    // The printable area each job reports (default: none, so the report keeps the start-up page).
    void SetJobPage(const platform::PageSize& page) { m_jobPage = page; }

    platform::DefaultPrinter QueryDefaultPrinter() override { return m_printer; }
    // The print dialog is accepted as it stands.
    bool DoPreparePrinting(platform::PrintInfo& info) override;
    // Each page drawn is introduced by a line "page N".
    void Print(platform::Printable& printable) override { RunJob(printable, false); }
    void Preview(platform::Printable& printable) override { RunJob(printable, true); }
    void PrinterSetup() override {}

  private:
    void RunJob(platform::Printable& printable, bool preview);

    Transcript& m_transcript;
    platform::DefaultPrinter m_printer{platform::DefaultPrinter::Status::Ok, 4676, 6744};
    platform::PageSize m_jobPage;
};

}  // namespace headless

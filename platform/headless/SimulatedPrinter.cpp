#include "platform/headless/SimulatedPrinter.h"

#include <string>

#include "platform/headless/RecordingDC.h"

namespace headless {

bool SimulatedPrinter::DoPreparePrinting(platform::PrintInfo& info) {
    if (info.maxPage < info.minPage)
        info.maxPage = info.minPage;
    return true;
}

void SimulatedPrinter::RunJob(platform::Printable& printable, bool preview) {
    platform::PrintInfo info;
    info.preview = preview;
    info.pageWidth = m_jobPage.width;
    info.pageHeight = m_jobPage.height;
    if (!printable.OnPreparePrinting(info))
        return;
    RecordingDC dc(m_transcript);
    printable.OnBeginPrinting(dc, info);
    // A job without a known page count prints one page.
    const int last = info.maxPage >= info.minPage ? info.maxPage : info.minPage;
    for (int page = info.minPage; page <= last; ++page) {
        info.currentPage = page;
        m_transcript.Add("page " + std::to_string(page));
        printable.OnPrint(dc, info);
    }
    printable.OnEndPrinting(dc, info);
}

}  // namespace headless

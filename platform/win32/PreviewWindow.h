// The print preview: a window of its own, modal to its owner, that shows the job's pages on paper as the
// printer would print them. Each time a page is shown, the printable's OnPrint draws it anew through a
// GdiDrawingContext into an enhanced metafile whose reference device is the printer, so that text is
// measured on the printer; the metafile is then played onto the window, scaled to the paper shown.
//
// Buttons: "&Drucken..." ends the preview asking for the job, "&Zwei Seiten" / "&Eine Seite" switch how
// many pages stand side by side, "&Schließen" (and Escape) end it.
#pragma once

#include "platform/Printing.h"
#include "platform/win32/PrinterChoice.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

struct PreviewRequest {
    HWND owner = nullptr;     // disabled while the preview is open; may be none
    HDC measuring = nullptr;  // the printer's device context; none: the screen measures
    PaperGeometry paper;      // in the measuring device's dots
    int pagesSideBySide = 1;  // 1 or 2; the reader finds the last choice here afterwards
};

enum class PreviewEnd { Closed, PrintRequested };

// Shows the pages info.minPage to info.maxPage of printable until the user ends the preview (or the
// thread's message loop is asked to quit, which is passed on).
PreviewEnd RunPreviewWindow(platform::Printable& printable, platform::PrintInfo& info,
                            PreviewRequest& request);

// The window class of the preview, for tests that look for it.
inline constexpr const wchar_t* kPreviewWindowClass = L"QuellrixPreview";

}  // namespace platform::win32

#include "platform/win32/PreviewWindow.h"

#include <algorithm>

#include "platform/Prompt.h"
#include "platform/win32/GdiDrawingContext.h"
#include "platform/win32/Wide.h"

namespace platform::win32 {

namespace {

enum ButtonId { kPrintButton = 101, kPagesButton = 102, kCloseButton = IDCANCEL };

// Sizes at 96 dpi, scaled to the window's.
constexpr int kBarHeight = 36, kButtonWidth = 120, kButtonHeight = 26, kGap = 8, kMargin = 16, kShadow = 4;
constexpr int kDefaultWidth = 820, kDefaultHeight = 960;

struct Preview {
    platform::Printable& printable;
    platform::PrintInfo& info;
    PreviewRequest& request;
    HWND window = nullptr;
    HWND buttons[3] = {};
    HFONT font = nullptr;
    PreviewEnd end = PreviewEnd::Closed;
    bool open = true;
};

int Scaled(HWND window, int size) {
    return ::MulDiv(size, static_cast<int>(::GetDpiForWindow(window)), USER_DEFAULT_SCREEN_DPI);
}

const wchar_t* PagesButtonText(int pagesSideBySide) {
    return pagesSideBySide == 2 ? L"&Eine Seite" : L"&Zwei Seiten";
}

// The message font of the window's resolution, for the buttons.
void UpdateFont(Preview& preview) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const HFONT previous = preview.font;
    if (::SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                     ::GetDpiForWindow(preview.window)))
        preview.font = ::CreateFontIndirectW(&metrics.lfMessageFont);
    for (const HWND button : preview.buttons)
        ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(preview.font), TRUE);
    if (previous && previous != preview.font)
        ::DeleteObject(previous);
}

void LayOutButtons(const Preview& preview) {
    const int gap = Scaled(preview.window, kGap);
    const int width = Scaled(preview.window, kButtonWidth), height = Scaled(preview.window, kButtonHeight);
    const int top = (Scaled(preview.window, kBarHeight) - height) / 2;
    int left = gap;
    for (const HWND button : preview.buttons) {
        ::MoveWindow(button, left, top, width, height, TRUE);
        left += width + gap;
    }
}

void CreateButtons(Preview& preview) {
    const struct {
        ButtonId id;
        const wchar_t* text;
    } buttons[] = {{kPrintButton, L"&Drucken..."},
                   {kPagesButton, PagesButtonText(preview.request.pagesSideBySide)},
                   {kCloseButton, L"&Schlie\u00DFen"}};
    const auto instance = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(preview.window, GWLP_HINSTANCE));
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        preview.buttons[i] = ::CreateWindowExW(
            0, L"BUTTON", buttons[i].text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
            preview.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(buttons[i].id)), instance, nullptr);
    }
    UpdateFont(preview);
    LayOutButtons(preview);
}

// The rectangle of the frame of a metafile that covers width x height dots of the reference device,
// in hundredths of a millimetre, converted as GDI converts it.
RECT FrameOf(HDC reference, int width, int height) {
    const int millimetresX = ::GetDeviceCaps(reference, HORZSIZE),
              dotsX = ::GetDeviceCaps(reference, HORZRES);
    const int millimetresY = ::GetDeviceCaps(reference, VERTSIZE),
              dotsY = ::GetDeviceCaps(reference, VERTRES);
    return {0, 0, ::MulDiv(width, millimetresX * 100, std::max(1, dotsX)),
            ::MulDiv(height, millimetresY * 100, std::max(1, dotsY))};
}

// The page drawn by the printable into a metafile measured on the printer (or the screen).
HENHMETAFILE RecordPage(Preview& preview, HDC reference) {
    const PaperGeometry& paper = preview.request.paper;
    const RECT frame = FrameOf(reference, paper.printableWidth, paper.printableHeight);
    const HDC recorder = ::CreateEnhMetaFileW(reference, nullptr, &frame, nullptr);
    if (!recorder)
        return nullptr;
    {
        GdiDrawingContext dc(recorder);
        preview.printable.OnPrint(dc, preview.info);
    }
    return ::CloseEnhMetaFile(recorder);
}

// The sheets of paper side by side below the button bar, each with its printable area.
void PaintPages(Preview& preview, HDC dc, const RECT& client) {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    const PaperGeometry& paper = preview.request.paper;
    const int count = preview.request.pagesSideBySide;
    const int margin = Scaled(preview.window, kMargin), shadow = Scaled(preview.window, kShadow);
    const int top = Scaled(preview.window, kBarHeight) + margin;
    const int slotWidth = (client.right - (count + 1) * margin) / count;
    const int slotHeight = client.bottom - top - margin;
    if (slotWidth <= 0 || slotHeight <= 0 || paper.paperWidth <= 0 || paper.paperHeight <= 0)
        return;
    const double scale = std::min(static_cast<double>(slotWidth) / paper.paperWidth,
                                  static_cast<double>(slotHeight) / paper.paperHeight);
    const int width = static_cast<int>(paper.paperWidth * scale),
              height = static_cast<int>(paper.paperHeight * scale);

    const HDC screen = ::GetDC(nullptr);
    const HDC reference = preview.request.measuring ? preview.request.measuring : screen;
    const int last = std::max(preview.info.minPage, preview.info.maxPage);
    for (int slot = 0; slot < count && preview.info.minPage + slot <= last; ++slot) {
        const int left = margin + slot * (slotWidth + margin) + (slotWidth - width) / 2;
        const RECT sheet{left, top, left + width, top + height};
        const RECT shade{sheet.left + shadow, sheet.top + shadow, sheet.right + shadow,
                         sheet.bottom + shadow};
        ::FillRect(dc, &shade, ::GetSysColorBrush(COLOR_3DDKSHADOW));
        ::FillRect(dc, &sheet, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));

        const RECT printable{sheet.left + static_cast<int>(paper.offsetX * scale),
                             sheet.top + static_cast<int>(paper.offsetY * scale),
                             sheet.left + static_cast<int>((paper.offsetX + paper.printableWidth) * scale),
                             sheet.top + static_cast<int>((paper.offsetY + paper.printableHeight) * scale)};
        preview.info.currentPage = preview.info.minPage + slot;
        if (const HENHMETAFILE page = RecordPage(preview, reference)) {
            ::PlayEnhMetaFile(dc, page, &printable);
            ::DeleteEnhMetaFile(page);
        }
    }
    ::ReleaseDC(nullptr, screen);
}

// Painted off screen first, so that the page does not flicker while it is drawn.
void Paint(Preview& preview) {
    PAINTSTRUCT paint;
    const HDC dc = ::BeginPaint(preview.window, &paint);
    RECT client;
    ::GetClientRect(preview.window, &client);
    const HDC buffer = ::CreateCompatibleDC(dc);
    const HBITMAP bitmap =
        ::CreateCompatibleBitmap(dc, std::max(1L, client.right), std::max(1L, client.bottom));
    const HGDIOBJ previous = ::SelectObject(buffer, bitmap);
    PaintPages(preview, buffer, client);
    ::BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
    ::SelectObject(buffer, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(buffer);
    ::EndPaint(preview.window, &paint);
}

// The owner is enabled again before the preview goes, so that it gets the activation back.
void End(Preview& preview, PreviewEnd end) {
    preview.end = end;
    if (preview.request.owner)
        ::EnableWindow(preview.request.owner, TRUE);
    ::DestroyWindow(preview.window);
}

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* preview = reinterpret_cast<Preview*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        preview = static_cast<Preview*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        preview->window = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(preview));
    }
    if (!preview)
        return ::DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
        case WM_CREATE:
            CreateButtons(*preview);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint(*preview);
            return 0;
        case WM_SIZE:
            ::InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            ::SetWindowPos(window, nullptr, suggested->left, suggested->top,
                           suggested->right - suggested->left, suggested->bottom - suggested->top,
                           SWP_NOZORDER | SWP_NOACTIVATE);
            UpdateFont(*preview);
            LayOutButtons(*preview);
            return 0;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case kPrintButton:
                    End(*preview, PreviewEnd::PrintRequested);
                    return 0;
                case kPagesButton:
                    preview->request.pagesSideBySide = 3 - preview->request.pagesSideBySide;
                    ::SetWindowTextW(preview->buttons[1], PagesButtonText(preview->request.pagesSideBySide));
                    ::InvalidateRect(window, nullptr, FALSE);
                    return 0;
                case kCloseButton:
                    End(*preview, PreviewEnd::Closed);
                    return 0;
            }
            break;
        case WM_CLOSE:
            End(*preview, PreviewEnd::Closed);
            return 0;
        case WM_DESTROY:
            preview->open = false;
            return 0;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterPreviewClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PreviewProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kPreviewWindowClass;
    return ::RegisterClassExW(&windowClass) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The owner's place, or a page-shaped window in the middle of the work area; never larger than it.
RECT InitialPlace(HWND owner) {
    RECT place;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (owner && ::GetWindowRect(owner, &place)) {
        ::GetMonitorInfoW(::MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    } else {
        ::GetMonitorInfoW(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const HDC screen = ::GetDC(nullptr);
        const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
        ::ReleaseDC(nullptr, screen);
        const RECT& area = monitor.rcWork;
        const int width = ::MulDiv(kDefaultWidth, dpi, USER_DEFAULT_SCREEN_DPI);
        const int height = ::MulDiv(kDefaultHeight, dpi, USER_DEFAULT_SCREEN_DPI);
        place = {(area.left + area.right - width) / 2, (area.top + area.bottom - height) / 2, 0, 0};
        place.right = place.left + width;
        place.bottom = place.top + height;
    }
    const RECT& area = monitor.rcWork;
    place.left = std::max(place.left, area.left);
    place.top = std::max(place.top, area.top);
    place.right = std::min(place.right, area.right);
    place.bottom = std::min(place.bottom, area.bottom);
    return place;
}

}  // namespace

PreviewEnd RunPreviewWindow(platform::Printable& printable, platform::PrintInfo& info,
                            PreviewRequest& request) {
    request.pagesSideBySide = std::clamp(request.pagesSideBySide, 1, 2);
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (!RegisterPreviewClass(instance))
        return PreviewEnd::Closed;
    Preview preview{printable, info, request};
    const RECT place = InitialPlace(request.owner);
    const std::wstring title = Widen(platform::kApplicationTitle) + L" - Seitenansicht";
    if (!::CreateWindowExW(0, kPreviewWindowClass, title.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                           place.left, place.top, place.right - place.left, place.bottom - place.top,
                           request.owner, nullptr, instance, &preview))
        return PreviewEnd::Closed;
    if (request.owner)
        ::EnableWindow(request.owner, FALSE);
    ::ShowWindow(preview.window, SW_SHOW);
    ::SetFocus(preview.buttons[2]);

    MSG message;
    while (preview.open) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that called us
            ::SendMessageW(preview.window, WM_CLOSE, 0, 0);
            break;
        }
        if (got < 0)
            break;
        if (!::IsDialogMessageW(preview.window, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    if (preview.open)
        End(preview, PreviewEnd::Closed);
    if (preview.font)
        ::DeleteObject(preview.font);
    return preview.end;
}

}  // namespace platform::win32

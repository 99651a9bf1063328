#include "app/win32/FillingCurveWindow.h"

#include <array>

#include "app/win32/Clipboard.h"
#include "form/FillingCurvePlot.h"
#include "messages/CurveTexts.h"
#include "messages/WindowTexts.h"
#include "platform/win32/GdiDrawingContext.h"
#include "platform/win32/Wide.h"

namespace {

constexpr const wchar_t* kWindowClass = L"QuellrixFillingCurves";
constexpr int kCopy = 1;
constexpr int kClose = 2;
// The side panel's width and the window's first size, in pixels at 96 dpi.
constexpr int kSideWidth = 300;
constexpr SIZE kFirstSize{960, 580};
constexpr int kMargin = 12;
constexpr int kButtonHeight = 26;

int Scaled(HWND window, int pixels) {
    return MulDiv(pixels, static_cast<int>(GetDpiForWindow(window)), 96);
}

}  // namespace

FillingCurveWindow::FillingCurveWindow(const CPlenwickDoc& record, HWND owner) : m_record(record) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    m_window = CreateWindowExW(0, kWindowClass,
                               platform::win32::Widen(messages::Text(messages::CurveText::Title)).c_str(),
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                               kFirstSize.cx, kFirstSize.cy, owner, nullptr, instance, this);
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (auto [button, id, caption] : {std::tuple{&m_copy, kCopy, messages::WindowText::CopyTable},
                                       std::tuple{&m_close, kClose, messages::WindowText::Close}}) {
        *button = CreateWindowExW(0, L"BUTTON", platform::win32::Widen(messages::Text(caption)).c_str(),
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, m_window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        SendMessageW(*button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    Layout();
}

FillingCurveWindow::~FillingCurveWindow() {
    if (m_window)
        DestroyWindow(m_window);
}

void FillingCurveWindow::Show() {
    Refresh();
    ShowWindow(m_window, SW_SHOWNORMAL);
    SetForegroundWindow(m_window);
}

void FillingCurveWindow::Refresh() {
    m_curves = ComputeFillingCurves(m_record);
    InvalidateRect(m_window, nullptr, TRUE);
}

void FillingCurveWindow::Layout() {
    RECT client{};
    GetClientRect(m_window, &client);
    const int side = Scaled(m_window, kSideWidth);
    const int margin = Scaled(m_window, kMargin);
    const int height = Scaled(m_window, kButtonHeight);
    const int left = client.right - side + margin;
    const int width = side - 2 * margin;
    MoveWindow(m_close, left, client.bottom - margin - height, width, height, TRUE);
    MoveWindow(m_copy, left, client.bottom - 2 * (margin + height) + margin / 2, width, height, TRUE);
    InvalidateRect(m_window, nullptr, TRUE);
}

void FillingCurveWindow::Paint(HDC dc) {
    RECT client{};
    GetClientRect(m_window, &client);
    const int side = Scaled(m_window, kSideWidth);
    const int margin = Scaled(m_window, kMargin);
    const int text = Scaled(m_window, 12);
    SetBkMode(dc, TRANSPARENT);
    platform::win32::GdiDrawingContext context(dc);
    DrawFillingCurvePlot(
        context, m_curves,
        {client.left + margin, client.top + margin, client.right - side, client.bottom - margin}, text);

    // The operating point's comparison, in columns, and the note on the exact curves.
    platform::FontSpec font;
    font.height = -text;
    font.faceName = "Arial";
    font.weight = 700;
    const auto bold = context.CreateFont(font);
    font.weight = 400;
    const auto normal = context.CreateFont(font);
    platform::Font* previous = context.SelectFont(bold.get());
    const int left = client.right - side + margin;
    const int line = text * 3 / 2;
    int top = client.top + margin;
    context.SetTextAlign(platform::TextAlign::Left);
    context.TextOut(left, top,
                    m_curves.operatingPoint ? OperatingPointHeading(m_curves)
                                            : messages::Text(messages::CurveText::NoOperatingPoint));
    top += 2 * line;
    context.SelectFont(normal.get());
    const std::vector<OperatingPointRow> rows = OperatingPointRows(m_curves);
    const int column = (side - 2 * margin) / 4;
    const std::array<int, 4> rights{left + 2 * column - column / 2, left + 3 * column - column / 3,
                                    left + 4 * column - column / 6, 0};
    if (!rows.empty()) {
        context.SetTextAlign(platform::TextAlign::Right);
        context.TextOut(rights[0], top, messages::Text(messages::CurveText::FittedColumn));
        context.TextOut(rights[1], top, messages::Text(messages::CurveText::ExactColumn));
        context.TextOut(rights[2], top, messages::Text(messages::CurveText::DeviationColumn));
        top += line;
    }
    for (const OperatingPointRow& row : rows) {
        context.SetTextAlign(platform::TextAlign::Left);
        context.TextOut(left, top, row.quantity);
        context.SetTextAlign(platform::TextAlign::Right);
        context.TextOut(rights[0], top, row.fitted);
        context.TextOut(rights[1], top, row.exact);
        context.TextOut(rights[2], top, row.deviation);
        top += line;
    }
    context.SetTextAlign(platform::TextAlign::Left);
    top += line;
    const std::string note = ExactCurvesNote(m_curves);
    for (size_t start = 0; start < note.size();) {
        const size_t end = std::min(note.find('\n', start), note.size());
        context.TextOut(left, top, note.substr(start, end - start));
        top += line;
        start = end + 1;
    }
    context.SelectFont(previous);
}

LRESULT CALLBACK FillingCurveWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                     LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<FillingCurveWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<FillingCurveWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) {
        self->m_window = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self = nullptr;
    }
    return self ? self->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT FillingCurveWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            HDC dc = BeginPaint(m_window, &paint);
            Paint(dc);
            EndPaint(m_window, &paint);
            return 0;
        }
        case WM_SIZE:
            Layout();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE)
                Refresh();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kCopy)
                CopyTextToClipboard(m_window, FillingCurveTable(m_curves));
            if (LOWORD(wParam) == kClose || LOWORD(wParam) == IDCANCEL)
                ShowWindow(m_window, SW_HIDE);
            return 0;
        case WM_CLOSE:
            ShowWindow(m_window, SW_HIDE);  // kept for the next time, as the main window's child
            return 0;
        default:
            return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

#include "app/win32/MainFrame.h"

#include <commctrl.h>

#include <array>
#include <utility>

#include "app/Application.h"
#include "app/CommandTexts.h"
#include "app/win32/Clipboard.h"
#include "app/win32/FillingCurveWindow.h"
#include "app/win32/ProjectDialog.h"
#include "app/win32/SizingWindow.h"
#include "app/win32/resource.h"
#include "form/PlenwickView.h"
#include "form/ResultsText.h"
#include "form/model/CalculationFormTemplate.h"
#include "messages/MessageTexts.h"
#include "messages/WindowTexts.h"
#include "platform/Prompt.h"
#include "platform/win32/FormWindow.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32PrinterService.h"
#include "record/PlenwickDoc.h"

namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

constexpr const wchar_t* kWindowClass = L"QuellrixFrame";
const char* const kIdleText = messages::Text(messages::WindowText::Ready);
constexpr int kRecentFirst = ID_FILE_MRU_FILE1 + 1;  // the entries; ID_FILE_MRU_FILE1 is the placeholder

// The resource script's command numbers are the program's.
static_assert(
    ID_FILE_NEW == static_cast<int>(Command::New) && ID_FILE_OPEN == static_cast<int>(Command::Open) &&
    ID_FILE_SAVE == static_cast<int>(Command::Save) && ID_FILE_SAVE_AS == static_cast<int>(Command::SaveAs) &&
    ID_FILE_PRINT_SETUP == static_cast<int>(Command::PrintSetup) &&
    ID_FILE_PRINT == static_cast<int>(Command::Print) &&
    ID_FILE_PRINT_PREVIEW == static_cast<int>(Command::PrintPreview) &&
    ID_FILE_MRU_FILE1 == static_cast<int>(Command::RecentFile1) &&
    ID_EDIT_COPY == static_cast<int>(Command::Copy) && ID_EDIT_CUT == static_cast<int>(Command::Cut) &&
    ID_EDIT_PASTE == static_cast<int>(Command::Paste) && ID_EDIT_UNDO == static_cast<int>(Command::Undo) &&
    ID_APP_ABOUT == static_cast<int>(Command::About) && ID_APP_EXIT == static_cast<int>(Command::Exit) &&
    ID_VIEW_TOOLBAR == static_cast<int>(Command::ToggleToolbar) &&
    ID_VIEW_STATUS_BAR == static_cast<int>(Command::ToggleStatusBar) &&
    ID_HELP_PAGE == static_cast<int>(Command::Help) &&
    ID_FILLING_CURVES == static_cast<int>(Command::FillingCurves) &&
    ID_SIZING_TABLE == static_cast<int>(Command::SizingTable) &&
    ID_COPY_RESULTS == static_cast<int>(Command::CopyResults) &&
    ID_SAVE_PDF == static_cast<int>(Command::SavePdf) &&
    ID_PROJECT_HEADER == static_cast<int>(Command::ProjectHeader) &&
    ID_PRINT_DESIGN_SHEET == static_cast<int>(Command::PrintDesignSheet) &&
    ID_PREVIEW_DESIGN_SHEET == static_cast<int>(Command::PreviewDesignSheet) &&
    ID_SAVE_DESIGN_SHEET_PDF == static_cast<int>(Command::SaveDesignSheetPdf));

// The toolbar: the system's standard pictures, in groups.
struct ToolButton {
    Command command;
    int picture;  // STD_*; -1: a separator
};
constexpr std::array<ToolButton, 11> kToolButtons{{
    {Command::New, STD_FILENEW},
    {Command::Open, STD_FILEOPEN},
    {Command::Save, STD_FILESAVE},
    {Command::New, -1},
    {Command::Cut, STD_CUT},
    {Command::Copy, STD_COPY},
    {Command::Paste, STD_PASTE},
    {Command::New, -1},
    {Command::Print, STD_PRINT},
    {Command::New, -1},
    {Command::About, STD_HELP},
}};

// The status bar's panes after the prompt: the keyboard's lock states.
struct Indicator {
    int key;
    const wchar_t* text;
};
constexpr std::array<Indicator, 3> kIndicators{
    {{VK_CAPITAL, L"UF"}, {VK_NUMLOCK, L"NUM"}, {VK_SCROLL, L"RF"}}};
constexpr int kIndicatorWidth = 40;

// The height of a bar the window shows (its own style says so while the window is still hidden).
int BarHeight(HWND bar) {
    RECT area{};
    if (!(GetWindowLongPtrW(bar, GWL_STYLE) & WS_VISIBLE) || !GetWindowRect(bar, &area))
        return 0;
    return area.bottom - area.top;
}

bool AlwaysEnabled(Command command) {
    return command == Command::ToggleToolbar || command == Command::ToggleStatusBar ||
           command == Command::Exit;
}

}  // namespace

MainFrame::MainFrame() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);
    m_accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME));
    m_window = CreateWindowExW(0, kWindowClass, Widen(platform::kApplicationTitle).c_str(),
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                               LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINFRAME)), instance, this);
    CreateToolBar();
    CreateStatusBar();
}

MainFrame::~MainFrame() {
    m_fillingCurves.reset();
    m_sizingTable.reset();
    DestroyForm();
    if (m_window)
        DestroyWindow(m_window);
}

void MainFrame::Attach(QuellrixApp& app, platform::win32::Win32PrinterService& printer) {
    m_app = &app;
    m_printer = &printer;
    app.SetFileListener([this](const std::string& path) { m_recent.Add(path); });
}

void MainFrame::CreateToolBar() {
    m_toolBar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                                m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(m_toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(m_toolBar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    std::array<TBBUTTON, kToolButtons.size()> buttons{};
    for (size_t i = 0; i < kToolButtons.size(); ++i) {
        const ToolButton& button = kToolButtons[i];
        buttons[i].iBitmap = button.picture < 0 ? 0 : button.picture;
        buttons[i].idCommand = button.picture < 0 ? 0 : static_cast<int>(button.command);
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = button.picture < 0 ? BTNS_SEP : BTNS_BUTTON;
    }
    SendMessageW(m_toolBar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(m_toolBar, TB_AUTOSIZE, 0, 0);
}

void MainFrame::CreateStatusBar() {
    m_statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                                  0, 0, m_window, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowStatus(kIdleText);
}

void MainFrame::ShowStatus(const std::string& text) {
    SendMessageW(m_statusBar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void MainFrame::UpdateIndicators() {
    for (size_t i = 0; i < kIndicators.size(); ++i) {
        const bool on = (GetKeyState(kIndicators[i].key) & 1) != 0;
        SendMessageW(m_statusBar, SB_SETTEXTW, i + 1,
                     reinterpret_cast<LPARAM>(on ? kIndicators[i].text : L""));
    }
}

void MainFrame::Layout() {
    RECT client{};
    GetClientRect(m_window, &client);
    std::array<int, kIndicators.size() + 1> edges{};
    for (size_t i = 0; i < edges.size(); ++i)
        edges[i] = client.right - static_cast<int>(edges.size() - 1 - i) * kIndicatorWidth -
                   (i + 1 == edges.size() ? 0 : GetSystemMetrics(SM_CXVSCROLL));
    edges.back() = -1;
    SendMessageW(m_statusBar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    SendMessageW(m_toolBar, TB_AUTOSIZE, 0, 0);
    SendMessageW(m_statusBar, WM_SIZE, 0, 0);
    if (!m_form)
        return;
    SetWindowPos(m_form->Window(), nullptr, 0, BarHeight(m_toolBar), 0, 0,
                 SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainFrame::ShowForm(CPlenwickView& view) {
    m_form = std::make_unique<platform::win32::FormWindow>(m_window, CalculationFormTemplate(),
                                                           view.Controls(), view);
    m_app->Document().SetModifiedListener([this] { UpdateCaption(); });
    UpdateCaption();
    FitToForm();
    UpdateIndicators();
}

void MainFrame::DestroyForm() {
    if (m_form)
        m_form->Detach();
    m_form.reset();
}

// The window takes exactly the room its bars and the form need.
void MainFrame::FitToForm() {
    RECT area{0, 0, m_form->Size().cx, m_form->Size().cy + BarHeight(m_toolBar) + BarHeight(m_statusBar)};
    AdjustWindowRectEx(&area, static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE)), TRUE, 0);
    SetWindowPos(m_window, nullptr, 0, 0, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    Layout();
}

bool MainFrame::PreTranslateMessage(MSG& message) {
    if (message.message == WM_KEYUP &&
        (message.wParam == VK_CAPITAL || message.wParam == VK_NUMLOCK || message.wParam == VK_SCROLL))
        UpdateIndicators();
    if (m_sizingTable && IsDialogMessageW(m_sizingTable->Window(), &message))
        return true;
    if (m_accelerators && TranslateAcceleratorW(m_window, m_accelerators, &message))
        return true;
    if (!m_form)
        return false;
    return m_form->PreTranslateMessage(message) || IsDialogMessageW(m_form->Window(), &message);
}

void MainFrame::RunCommand(Command command) {
    if (!m_app)
        return;
    switch (command) {
        case Command::ToggleToolbar:
            ShowWindow(m_toolBar, IsWindowVisible(m_toolBar) ? SW_HIDE : SW_SHOW);
            Layout();
            break;
        case Command::ToggleStatusBar:
            ShowWindow(m_statusBar, IsWindowVisible(m_statusBar) ? SW_HIDE : SW_SHOW);
            Layout();
            break;
        case Command::Exit:
            PostMessageW(m_window, WM_CLOSE, 0, 0);
            break;
        case Command::RecentFile1:
            break;  // the entries of the list open their files
        case Command::CopyResults:
            CopyResults();
            break;
        case Command::SizingTable:
            if (m_app->IsRunning()) {
                if (!m_sizingTable)
                    m_sizingTable = std::make_unique<SizingWindow>(*m_app, *m_printer, m_window);
                m_sizingTable->Prefill();
            }
            break;
        case Command::FillingCurves:
            if (m_app->IsRunning()) {
                if (!m_fillingCurves)
                    m_fillingCurves = std::make_unique<FillingCurveWindow>(m_app->Document(), m_window);
                m_fillingCurves->Show();
            }
            break;
        case Command::SavePdf:
            if (m_app->IsRunning())
                SavePdf(m_app->View());
            break;
        case Command::SaveDesignSheetPdf:
            if (m_app->IsEnabled(command))
                SavePdf(m_app->DesignSheet());
            break;
        case Command::ProjectHeader:
            if (m_app->IsRunning()) {
                if (const auto header = EditProjectHeader(m_window, m_app->Document().GetProjectHeader()))
                    m_app->SetProjectHeader(*header);
            }
            break;
        default:
            m_app->Execute(command);
            UpdateCaption();
            if (m_form)
                m_form->FollowProgramFocus();  // "Neu" puts it into the first field
            break;
    }
}

void MainFrame::UpdateMenu(HMENU menu) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const UINT id = GetMenuItemID(menu, i);
        if (id == 0 || id == static_cast<UINT>(-1) ||
            (id >= kRecentFirst && id < kRecentFirst + RecentFiles::kSize))
            continue;
        const auto command = static_cast<Command>(id);
        bool enabled = AlwaysEnabled(command) || (m_app && m_app->IsEnabled(command));
        if (command == Command::RecentFile1)
            enabled = false;  // the placeholder of an empty list
        EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
    CheckMenuItem(menu, ID_VIEW_TOOLBAR,
                  MF_BYCOMMAND | (IsWindowVisible(m_toolBar) ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(menu, ID_VIEW_STATUS_BAR,
                  MF_BYCOMMAND | (IsWindowVisible(m_statusBar) ? MF_CHECKED : MF_UNCHECKED));
}

// The entries, or the placeholder of an empty list, stand before the separator above "Beenden".
void MainFrame::UpdateRecentFileMenu(HMENU menu) {
    if (m_placeholder.empty()) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, ID_FILE_MRU_FILE1, text, 64, MF_BYCOMMAND);
        m_placeholder = text;
    }
    DeleteMenu(menu, ID_FILE_MRU_FILE1, MF_BYCOMMAND);
    for (int i = 0; i < RecentFiles::kSize; ++i) DeleteMenu(menu, kRecentFirst + i, MF_BYCOMMAND);
    int anchor = 0;
    while (anchor < GetMenuItemCount(menu) && GetMenuItemID(menu, anchor) != ID_APP_EXIT) ++anchor;
    --anchor;
    const std::vector<std::string>& files = m_recent.Files();
    if (files.empty())
        InsertMenuW(menu, static_cast<UINT>(anchor), MF_BYPOSITION | MF_STRING | MF_GRAYED, ID_FILE_MRU_FILE1,
                    m_placeholder.c_str());
    for (size_t i = 0; i < files.size(); ++i) {
        const std::wstring text = L"&" + std::to_wstring(i + 1) + L" " + Widen(files[i]);
        InsertMenuW(menu, static_cast<UINT>(anchor) + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                    kRecentFirst + i, text.c_str());
    }
}

void MainFrame::OpenRecentFile(const std::string& file) {
    if (!m_app || !m_app->IsRunning())
        return;
    const DWORD attributes = GetFileAttributesW(Widen(file).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        platform::ShowMessage(messages::NamedMessage(messages::MessageId::FileNotFound, file),
                              platform::MessageIcon::Exclamation);
        m_recent.Remove(file);
        return;
    }
    if (m_app->SaveModified())
        m_app->OpenDocument(file);  // a file opened enters the list anew
    UpdateCaption();
}

// A document program's caption: "NAME - Quellrix" for a file, the document title while untitled, with
// "*" for unsaved changes.
void MainFrame::UpdateCaption() {
    if (!m_app || !m_app->IsRunning()) {
        SetWindowTextW(m_window, L"");
        return;
    }
    std::string caption = m_app->Document().GetTitle();
    if (m_app->Document().IsModified())
        caption += "*";
    if (!m_app->DocumentPath().empty())
        caption += std::string(" - ") + platform::kApplicationTitle;
    SetWindowTextW(m_window, Widen(caption).c_str());
}

void MainFrame::CopyResults() {
    if (m_app->IsRunning())
        CopyTextToClipboard(m_window, ResultsText(m_app->View()));
}

void MainFrame::SavePdf(platform::Printable& printable) {
    if (!m_printer->SaveAsPdf(printable))
        platform::ShowMessage(messages::Text(messages::MessageId::PdfPrinterMissing),
                              platform::MessageIcon::Exclamation);
}

void MainFrame::OnClose() {
    if (!m_closed && m_app && m_app->IsRunning() && !m_app->SaveModified())
        return;  // "Abbrechen", or the calculation could not be saved
    if (!m_closed) {
        m_closed = true;
        m_fillingCurves.reset();
        m_sizingTable.reset();
        if (m_form)
            m_form->Detach();
        if (m_app)
            m_app->Close();  // the form writes the global data back
    }
    DestroyWindow(m_window);
}

LRESULT CALLBACK MainFrame::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* frame = static_cast<MainFrame*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        frame->m_window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(frame));
    }
    auto* frame = reinterpret_cast<MainFrame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY && frame) {
        frame->m_window = nullptr;
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        frame = nullptr;
    }
    return frame ? frame->Handle(message, wParam, lParam) : DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id >= kRecentFirst && id < kRecentFirst + RecentFiles::kSize) {
                const auto index = static_cast<size_t>(id - kRecentFirst);
                if (index < m_recent.Files().size())
                    OpenRecentFile(std::string(m_recent.Files()[index]));
            } else if (lParam == 0 || reinterpret_cast<HWND>(lParam) == m_toolBar) {
                RunCommand(static_cast<Command>(id));
            }
            return 0;
        }
        case WM_INITMENUPOPUP: {
            HMENU menu = reinterpret_cast<HMENU>(wParam);
            if (GetMenuState(menu, ID_APP_EXIT, MF_BYCOMMAND) != static_cast<UINT>(-1))
                UpdateRecentFileMenu(menu);
            UpdateMenu(menu);
            return 0;
        }
        case WM_MENUSELECT: {
            const UINT id = LOWORD(wParam);
            const UINT flags = HIWORD(wParam);
            if (flags == 0xFFFF && lParam == 0) {
                ShowStatus(kIdleText);  // the menu closed
            } else if (!(flags & MF_POPUP) && !(flags & MF_SEPARATOR)) {
                const Command command = id >= kRecentFirst && id < kRecentFirst + RecentFiles::kSize
                                            ? Command::RecentFile1
                                            : static_cast<Command>(id);
                ShowStatus(std::string(PromptFor(command).statusTip));
            }
            return 0;
        }
        case WM_NOTIFY: {
            auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
            if (tip->hdr.code == TTN_GETDISPINFOW) {
                static std::wstring text;  // the tooltip reads it after we return
                text = Widen(std::string(PromptFor(static_cast<Command>(tip->hdr.idFrom)).toolTip));
                tip->lpszText = text.data();
            }
            return 0;
        }
        case WM_SIZE:
            Layout();
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && m_form)
                m_form->FollowProgramFocus();
            UpdateIndicators();
            return 0;
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(m_window, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

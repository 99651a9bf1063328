#include "platform/win32/FormWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/win32/FormPeers.h"
#include "platform/win32/GdiDrawingContext.h"
#include "platform/win32/Wide.h"

namespace platform::win32 {

namespace {

// Height of a closed drop-down list, in dialog units.
constexpr int kListHeight = 13;
// Room a label's text may take beyond its template rectangle, in dialog units: the system's dialog
// font may be wider than the template's.
constexpr int kLabelOverrun = 12;
// Pixels an edit control keeps between its frame and its text on either side, and for the caret.
constexpr int kEditMargin = 3;
constexpr int kCaretWidth = 1;

// An empty child dialog in the template's font, to which the form adds its controls.
std::vector<WORD> EmptyDialogTemplate(const FormTemplate& form) {
    DLGTEMPLATE header{};
    header.style = DS_SETFONT | DS_CONTROL | WS_CHILD | WS_VISIBLE;
    header.dwExtendedStyle = WS_EX_CONTROLPARENT;
    header.cx = static_cast<short>(form.width);
    header.cy = static_cast<short>(form.height);
    std::vector<WORD> words(sizeof header / sizeof(WORD));
    std::memcpy(words.data(), &header, sizeof header);
    words.push_back(0);  // no menu
    words.push_back(0);  // the predefined dialog class
    words.push_back(0);  // no title
    words.push_back(static_cast<WORD>(form.fontPoints));
    for (wchar_t c : Widen(form.fontFace)) words.push_back(static_cast<WORD>(c));
    words.push_back(0);
    return words;
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

FormWindow::FormWindow(HWND parent, const FormTemplate& form, ControlSet& controls, ControlSink& sink)
    : m_controls(controls), m_sink(sink), m_defaultButton(form.defaultButton) {
    const std::vector<WORD> dialog = EmptyDialogTemplate(form);
    m_window = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                          reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), parent,
                                          DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (!m_window)
        return;
    m_font = reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
    MeasureUnits(form);
    const RECT area = Pixels({0, 0, form.width, form.height});
    m_size = {area.right, area.bottom};
    SetWindowPos(m_window, nullptr, 0, 0, m_size.cx, m_size.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    AddLabels(form);
    AddControls(form);
    AddGroupBoxes(form);
}

FormWindow::~FormWindow() {
    Detach();
    if (m_window)
        DestroyWindow(m_window);
    for (const auto& [colour, brush] : m_brushes) DeleteObject(brush);
}

void FormWindow::Detach() {
    if (!m_attached)
        return;
    m_attached = false;
    for (const auto& peer : m_peers) peer->Subject().AttachPeer(nullptr);
}

// The dialog units of the font; the horizontal one widened where a field's widest text would not fit.
void FormWindow::MeasureUnits(const FormTemplate& form) {
    RECT units{0, 0, 4, 8};
    MapDialogRect(m_window, &units);
    m_baseX = std::max<int>(1, units.right);
    m_baseY = std::max<int>(1, units.bottom);
    HDC dc = GetDC(m_window);
    const HGDIOBJ previous = SelectObject(dc, m_font);
    const int chrome = 2 * GetSystemMetrics(SM_CXEDGE) + 2 * kEditMargin + kCaretWidth + 1;
    for (const ControlTemplate& control : form.controls) {
        if (control.kind != ControlKind::Edit || control.widestText.empty() || control.rect.width <= 0)
            continue;
        const std::wstring text = Widen(control.widestText);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const double width = control.rect.width * m_baseX / 4.0;
        m_widening = std::max(m_widening, (extent.cx + chrome) / width);
    }
    SelectObject(dc, previous);
    ReleaseDC(m_window, dc);
}

RECT FormWindow::Pixels(const DialogRect& rect) const {
    const auto x = [this](int du) { return static_cast<LONG>(std::lround(du * m_baseX * m_widening / 4.0)); };
    const auto y = [this](int du) { return static_cast<LONG>(MulDiv(du, m_baseY, 8)); };
    return {x(rect.x), y(rect.y), x(rect.x + rect.width), y(rect.y + rect.height)};
}

HWND FormWindow::MakeChild(const wchar_t* windowClass, const std::string& text, DWORD style,
                           DWORD extendedStyle, const DialogRect& rect, int id) {
    const RECT area = Pixels(rect);
    HWND child = CreateWindowExW(
        extendedStyle, windowClass, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, area.left, area.top,
        area.right - area.left, area.bottom - area.top, m_window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (child)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    return child;
}

// Made last and put at the bottom, so that they are painted beneath the controls they frame.
void FormWindow::AddGroupBoxes(const FormTemplate& form) {
    for (const GroupBoxTemplate& group : form.groups) {
        HWND box = MakeChild(L"BUTTON", group.caption, BS_GROUPBOX, 0, group.rect, -1);
        SetWindowPos(box, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void FormWindow::AddLabels(const FormTemplate& form) {
    for (const ControlTemplate& control : form.controls) {
        if (control.label.empty())
            continue;
        DialogRect area = control.labelRect;
        area.width += kLabelOverrun;
        const bool right = control.labelAlign == LabelAlign::Right;
        if (right)
            area.x -= kLabelOverrun;
        MakeChild(L"STATIC", control.label, SS_NOPREFIX | (right ? SS_RIGHT : SS_LEFT), 0, area, -1);
    }
}

void FormWindow::AddControls(const FormTemplate& form) {
    for (const ControlTemplate& layout : form.controls) {
        Control* control = m_controls.Find(layout.id);
        if (!control || control->Kind() != layout.kind)
            continue;
        ControlWindowKind kind = WindowKindOf(layout);
        // A push button in a colour of its owner's is drawn by the form.
        if (layout.kind == ControlKind::PushButton && m_sink.ControlBrush(layout.id))
            kind.style |= BS_OWNERDRAW;
        const DialogRect& rect = layout.rect;
        std::wstring caption;
        if (layout.kind == ControlKind::PushButton || layout.kind == ControlKind::RadioButton)
            caption = MnemonicCaption(layout.caption, layout.mnemonic);
        const bool list = layout.kind == ControlKind::List;
        HWND window = MakeChild(kind.windowClass, "", kind.style, kind.extendedStyle, layout.rect, layout.id);
        if (!window)
            continue;
        SetWindowTextW(window, caption.c_str());
        if (list) {
            // The template's height is the list's when open; closed, it shows one line.
            const int itemHeight =
                std::max(1, static_cast<int>(SendMessageW(window, CB_GETITEMHEIGHT, 0, 0)));
            const int openHeight = MulDiv(rect.height - kListHeight, m_baseY, 8);
            SendMessageW(window, CB_SETMINVISIBLE, static_cast<WPARAM>(std::max(1, openHeight / itemHeight)),
                         0);
        }
        if (layout.kind == ControlKind::Tabs)
            m_tabKeys[layout.id] = layout.itemMnemonics;
        std::unique_ptr<FormPeer> peer = MakeFormPeer(*this, layout, *control, window);
        m_windows[layout.id] = window;
        m_tabStops[layout.id] = layout.tabStop;
        control->AttachPeer(peer.get());
        peer->Synchronise();
        m_peers.push_back(std::move(peer));
    }
}

HWND FormWindow::ControlWindow(int id) const {
    const auto found = m_windows.find(id);
    return found == m_windows.end() ? nullptr : found->second;
}

int FormWindow::IdOf(HWND window) const {
    for (; window && window != m_window; window = GetParent(window)) {
        for (const auto& [id, control] : m_windows) {
            if (control == window)
                return id;
        }
    }
    return 0;
}

FormPeer* FormWindow::PeerOf(int id) const {
    for (const auto& peer : m_peers) {
        if (peer->Subject().Id() == id)
            return peer.get();
    }
    return nullptr;
}

void FormWindow::Dispatch(const std::function<void()>& action) {
    if (!m_attached || m_dispatching)
        return;
    m_dispatching = true;
    action();
    m_dispatching = false;
    if (m_attached)
        FollowFocus();
}

bool FormWindow::FocusOn(int id) {
    return m_controls.FocusedId() == id || m_controls.UserFocus(id);
}

void FormWindow::FollowProgramFocus() {
    if (m_attached)
        FollowFocus();
}

void FormWindow::FollowFocus() {
    const int id = m_controls.FocusedId();
    HWND target = ControlWindow(id);
    const int shown = IdOf(GetFocus());
    if (target && m_controls.Find(id)->IsEnabled()) {
        if (shown != id) {
            m_dispatching = true;
            SetFocus(target);
            m_dispatching = false;
        }
        return;
    }
    // The program's focus went nowhere (its control was disabled on the way): the control the window
    // has the focus on takes it. Bounded, in case every such step disables the next control as well.
    if (shown != 0 && shown != id && m_followDepth < static_cast<int>(m_peers.size())) {
        ++m_followDepth;
        Dispatch([this, shown] { m_controls.UserFocus(shown); });
        --m_followDepth;
    }
}

int FormWindow::PreviousTabStop() const {
    const std::vector<Control*>& order = m_controls.InTabOrder();
    const int count = static_cast<int>(order.size());
    int start = 0;
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<size_t>(i)]->Id() == m_controls.FocusedId())
            start = i;
    }
    for (int step = 1; step <= count; ++step) {
        const Control* candidate = order[static_cast<size_t>(((start - step) % count + count) % count)];
        const auto stop = m_tabStops.find(candidate->Id());
        if (candidate->IsEnabled() && stop != m_tabStops.end() && stop->second)
            return candidate->Id();
    }
    return 0;
}

bool FormWindow::PreTranslateMessage(const MSG& message) {
    if (!m_attached || !m_window || (message.hwnd != m_window && !IsChild(m_window, message.hwnd)))
        return false;
    if (message.message == WM_SYSCHAR) {
        const wchar_t key = static_cast<wchar_t>(towlower(static_cast<wint_t>(message.wParam)));
        for (const auto& [id, keys] : m_tabKeys) {
            for (size_t index = 0; index < keys.size(); ++index) {
                if (towlower(static_cast<wint_t>(keys[index])) != key)
                    continue;
                const int tabs = id;
                Dispatch([this, tabs, index] { m_controls.UserSelectTab(tabs, static_cast<int>(index)); });
                if (FormPeer* peer = PeerOf(tabs); peer && m_attached)
                    peer->Synchronise();
                return true;
            }
        }
        return false;
    }
    if (message.message != WM_KEYDOWN)
        return false;
    const int focused = m_controls.FocusedId();
    const Control* control = m_controls.Find(focused);
    switch (message.wParam) {
        case VK_TAB: {
            if (GetKeyState(VK_CONTROL) < 0)
                return false;
            const bool back = GetKeyState(VK_SHIFT) < 0;
            Dispatch([this, back] {
                if (!back) {
                    m_controls.UserTab();
                } else if (const int previous = PreviousTabStop()) {
                    m_controls.UserFocus(previous);
                }
            });
            return true;
        }
        case VK_RETURN: {
            if (!control || IdOf(message.hwnd) != focused)
                return false;
            if (control->Kind() == ControlKind::List) {
                if (SendMessageW(ControlWindow(focused), CB_GETDROPPEDSTATE, 0, 0))
                    return false;  // Enter closes the open list, which picks its entry
                Dispatch([this, focused] { m_controls.UserConfirmListText(focused); });
                if (FormPeer* peer = PeerOf(focused); peer && m_attached)
                    peer->Synchronise();
                return true;
            }
            if (control->Kind() == ControlKind::Tabs)
                return true;
            const int button = control->Kind() == ControlKind::Edit ? m_defaultButton : focused;
            if (button == 0 || !control->IsEnabled())
                return true;
            Dispatch([this, button] { m_controls.UserClick(button); });
            return true;
        }
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: {
            if (!control || control->Kind() != ControlKind::RadioButton || IdOf(message.hwnd) != focused)
                return false;
            // The radio buttons next to each other in tab order form one group, as the control set has it.
            const int step = message.wParam == VK_LEFT || message.wParam == VK_UP ? -1 : 1;
            const std::vector<Control*>& order = m_controls.InTabOrder();
            const auto self = std::find(order.begin(), order.end(), control);
            const long index = static_cast<long>(self - order.begin()) + step;
            if (index < 0 || index >= static_cast<long>(order.size()))
                return true;
            const Control* neighbour = order[static_cast<size_t>(index)];
            if (neighbour->Kind() == ControlKind::RadioButton && neighbour->IsEnabled()) {
                const int id = neighbour->Id();
                Dispatch([this, id] { m_controls.UserClick(id); });
            }
            return true;
        }
        default:
            return false;
    }
}

INT_PTR CALLBACK FormWindow::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<FormWindow*>(lParam)->m_window = window;
        return FALSE;
    }
    auto* form = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return form ? form->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            const int id = static_cast<int>(header.idFrom);
            if (header.code == TCN_SELCHANGE && m_attached && !Synchronising()) {
                const int index = TabCtrl_GetCurSel(header.hwndFrom);
                Dispatch([this, id, index] { m_controls.UserSelectTab(id, index); });
                if (FormPeer* peer = PeerOf(id); peer && m_attached)
                    peer->Synchronise();
            }
            return TRUE;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            return ControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        default:
            return FALSE;
    }
}

void FormWindow::OnCommand(int id, int code) {
    if (!m_attached || Synchronising())
        return;
    Control* control = m_controls.Find(id);
    FormPeer* peer = PeerOf(id);
    if (!control || !peer)
        return;
    switch (control->Kind()) {
        case ControlKind::Edit:
            if (code == EN_SETFOCUS) {
                OnFocusArrived(id);
            } else if (code == EN_CHANGE) {
                const std::string text = Narrow(WindowText(peer->Window()));
                auto& edit = static_cast<EditControl&>(*control);
                Dispatch([&] {
                    if (FocusOn(id))
                        edit.TextEditedByUser(text);
                });
                if (m_attached)
                    peer->Synchronise();
            }
            return;
        case ControlKind::List:
            if (code == CBN_SETFOCUS) {
                OnFocusArrived(id);
            } else if (code == CBN_SELCHANGE) {
                const int index = static_cast<int>(SendMessageW(peer->Window(), CB_GETCURSEL, 0, 0));
                Dispatch([&] { m_controls.UserPick(id, index); });
                if (m_attached)
                    peer->Synchronise();
            } else if (code == CBN_EDITCHANGE) {
                const std::string text = Narrow(WindowText(peer->Window()));
                Dispatch([&] { m_controls.UserEditListText(id, text); });
                if (m_attached)
                    peer->Synchronise();
            }
            return;
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::OwnerDrawButton:
            if (code == BN_CLICKED) {
                Dispatch([&] { m_controls.UserClick(id); });
                if (m_attached)
                    peer->Synchronise();
            }
            return;
        case ControlKind::Tabs:
            return;
    }
}

void FormWindow::OnFocusArrived(int id) {
    // Another window giving the focus back, or a locked field taking it to select its text: the
    // program's focus stays.
    if (m_dispatching || id == m_controls.FocusedId() || !m_controls.Find(id)->IsEnabled())
        return;
    Dispatch([this, id] { m_controls.UserFocus(id); });
}

INT_PTR FormWindow::ControlColour(HDC dc, HWND control) {
    const EditControl* edit = m_attached ? m_controls.FindEdit(IdOf(control)) : nullptr;
    const std::optional<Rgb> colour = edit ? edit->Background() : std::nullopt;
    if (!colour)
        return FALSE;
    SetBkColor(dc, RGB(colour->r, colour->g, colour->b));
    SetTextColor(dc, RGB(0, 0, 0));  // dark text on a coloured field, locked or not
    return reinterpret_cast<INT_PTR>(Brush(*colour));
}

HBRUSH FormWindow::Brush(Rgb colour) {
    HBRUSH& brush = m_brushes[RGB(colour.r, colour.g, colour.b)];
    if (!brush)
        brush = CreateSolidBrush(RGB(colour.r, colour.g, colour.b));
    return brush;
}

// A push button in its owner's colour: the system's frame, the colour inside, the caption centred.
void FormWindow::DrawColouredButton(const DRAWITEMSTRUCT& item, Rgb colour) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT area = item.rcItem;
    DrawFrameControl(item.hDC, &area, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    InflateRect(&area, -2, -2);
    FillRect(item.hDC, &area, Brush(colour));
    if (pressed)
        OffsetRect(&area, 1, 1);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, disabled ? GetSysColor(COLOR_GRAYTEXT) : RGB(0, 0, 0));
    const HGDIOBJ previous = SelectObject(item.hDC, m_font);
    std::wstring caption = WindowText(item.hwndItem);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0));
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&area, -1, -1);
        DrawFocusRect(item.hDC, &area);
    }
}

void FormWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    const int id = static_cast<int>(item.CtlID);
    ButtonControl* button = m_attached ? m_controls.FindButton(id) : nullptr;
    if (button && button->Kind() == ControlKind::PushButton) {
        if (const std::optional<Rgb> colour = m_sink.ControlBrush(id))
            DrawColouredButton(item, *colour);
        return;
    }
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!button)
        return;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    button->SetPressed(pressed);
    SetBkMode(item.hDC, TRANSPARENT);
    const HGDIOBJ previous = SelectObject(item.hDC, m_font);
    {
        GdiDrawingContext dc(item.hDC);
        m_sink.OnDrawItem(id, dc, item.rcItem.left, item.rcItem.top, pressed);
    }
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace platform::win32

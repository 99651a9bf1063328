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
    : controls_(controls), sink_(sink), defaultButton_(form.defaultButton) {
    const std::vector<WORD> dialog = EmptyDialogTemplate(form);
    window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                         reinterpret_cast<const DLGTEMPLATE*>(dialog.data()), parent,
                                         DialogProcedure, reinterpret_cast<LPARAM>(this));
    if (!window_)
        return;
    font_ = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
    MeasureUnits(form);
    const RECT area = Pixels({0, 0, form.width, form.height});
    size_ = {area.right, area.bottom};
    SetWindowPos(window_, nullptr, 0, 0, size_.cx, size_.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    AddLabels(form);
    AddControls(form);
    AddGroupBoxes(form);
}

FormWindow::~FormWindow() {
    Detach();
    if (window_)
        DestroyWindow(window_);
    for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
}

void FormWindow::Detach() {
    if (!attached_)
        return;
    attached_ = false;
    for (const auto& peer : peers_) peer->Subject().AttachPeer(nullptr);
}

// The dialog units of the font; the horizontal one widened where a field's widest text would not fit.
void FormWindow::MeasureUnits(const FormTemplate& form) {
    RECT units{0, 0, 4, 8};
    MapDialogRect(window_, &units);
    baseX_ = std::max<int>(1, units.right);
    baseY_ = std::max<int>(1, units.bottom);
    HDC dc = GetDC(window_);
    const HGDIOBJ previous = SelectObject(dc, font_);
    const int chrome = 2 * GetSystemMetrics(SM_CXEDGE) + 2 * kEditMargin + kCaretWidth + 1;
    for (const ControlTemplate& control : form.controls) {
        if (control.kind != ControlKind::Edit || control.widestText.empty() || control.rect.width <= 0)
            continue;
        const std::wstring text = Widen(control.widestText);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const double width = control.rect.width * baseX_ / 4.0;
        widening_ = std::max(widening_, (extent.cx + chrome) / width);
    }
    SelectObject(dc, previous);
    ReleaseDC(window_, dc);
}

RECT FormWindow::Pixels(const DialogRect& rect) const {
    const auto x = [this](int du) { return static_cast<LONG>(std::lround(du * baseX_ * widening_ / 4.0)); };
    const auto y = [this](int du) { return static_cast<LONG>(MulDiv(du, baseY_, 8)); };
    return {x(rect.x), y(rect.y), x(rect.x + rect.width), y(rect.y + rect.height)};
}

HWND FormWindow::MakeChild(const wchar_t* windowClass, const std::string& text, DWORD style,
                           DWORD extendedStyle, const DialogRect& rect, int id) {
    const RECT area = Pixels(rect);
    HWND child = CreateWindowExW(
        extendedStyle, windowClass, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, area.left, area.top,
        area.right - area.left, area.bottom - area.top, window_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (child)
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
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
        Control* control = controls_.Find(layout.id);
        if (!control || control->Kind() != layout.kind)
            continue;
        ControlWindowKind kind = WindowKindOf(layout);
        // A push button in a colour of its owner's is drawn by the form.
        if (layout.kind == ControlKind::PushButton && sink_.ControlBrush(layout.id))
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
            const int openHeight = MulDiv(rect.height - kListHeight, baseY_, 8);
            SendMessageW(window, CB_SETMINVISIBLE, static_cast<WPARAM>(std::max(1, openHeight / itemHeight)),
                         0);
        }
        if (layout.kind == ControlKind::Tabs)
            tabKeys_[layout.id] = layout.itemMnemonics;
        std::unique_ptr<FormPeer> peer = MakeFormPeer(*this, layout, *control, window);
        windows_[layout.id] = window;
        tabStops_[layout.id] = layout.tabStop;
        control->AttachPeer(peer.get());
        peer->Synchronise();
        peers_.push_back(std::move(peer));
    }
}

HWND FormWindow::ControlWindow(int id) const {
    const auto found = windows_.find(id);
    return found == windows_.end() ? nullptr : found->second;
}

int FormWindow::IdOf(HWND window) const {
    for (; window && window != window_; window = GetParent(window)) {
        for (const auto& [id, control] : windows_) {
            if (control == window)
                return id;
        }
    }
    return 0;
}

FormPeer* FormWindow::PeerOf(int id) const {
    for (const auto& peer : peers_) {
        if (peer->Subject().Id() == id)
            return peer.get();
    }
    return nullptr;
}

void FormWindow::Dispatch(const std::function<void()>& action) {
    if (!attached_ || dispatching_)
        return;
    dispatching_ = true;
    action();
    dispatching_ = false;
    if (attached_)
        FollowFocus();
}

bool FormWindow::FocusOn(int id) {
    return controls_.FocusedId() == id || controls_.UserFocus(id);
}

void FormWindow::FollowProgramFocus() {
    if (attached_)
        FollowFocus();
}

void FormWindow::FollowFocus() {
    const int id = controls_.FocusedId();
    HWND target = ControlWindow(id);
    const int shown = IdOf(GetFocus());
    if (target && controls_.Find(id)->IsEnabled()) {
        if (shown != id) {
            dispatching_ = true;
            SetFocus(target);
            dispatching_ = false;
        }
        return;
    }
    // The program's focus went nowhere (its control was disabled on the way): the control the window
    // has the focus on takes it. Bounded, in case every such step disables the next control as well.
    if (shown != 0 && shown != id && followDepth_ < static_cast<int>(peers_.size())) {
        ++followDepth_;
        Dispatch([this, shown] { controls_.UserFocus(shown); });
        --followDepth_;
    }
}

int FormWindow::PreviousTabStop() const {
    const std::vector<Control*>& order = controls_.InTabOrder();
    const int count = static_cast<int>(order.size());
    int start = 0;
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<size_t>(i)]->Id() == controls_.FocusedId())
            start = i;
    }
    for (int step = 1; step <= count; ++step) {
        const Control* candidate = order[static_cast<size_t>(((start - step) % count + count) % count)];
        const auto stop = tabStops_.find(candidate->Id());
        if (candidate->IsEnabled() && stop != tabStops_.end() && stop->second)
            return candidate->Id();
    }
    return 0;
}

bool FormWindow::PreTranslateMessage(const MSG& message) {
    if (!attached_ || !window_ || (message.hwnd != window_ && !IsChild(window_, message.hwnd)))
        return false;
    if (message.message == WM_SYSCHAR) {
        const wchar_t key = static_cast<wchar_t>(towlower(static_cast<wint_t>(message.wParam)));
        for (const auto& [id, keys] : tabKeys_) {
            for (size_t index = 0; index < keys.size(); ++index) {
                if (towlower(static_cast<wint_t>(keys[index])) != key)
                    continue;
                const int tabs = id;
                Dispatch([this, tabs, index] { controls_.UserSelectTab(tabs, static_cast<int>(index)); });
                if (FormPeer* peer = PeerOf(tabs); peer && attached_)
                    peer->Synchronise();
                return true;
            }
        }
        return false;
    }
    if (message.message != WM_KEYDOWN)
        return false;
    const int focused = controls_.FocusedId();
    const Control* control = controls_.Find(focused);
    switch (message.wParam) {
        case VK_TAB: {
            if (GetKeyState(VK_CONTROL) < 0)
                return false;
            const bool back = GetKeyState(VK_SHIFT) < 0;
            Dispatch([this, back] {
                if (!back) {
                    controls_.UserTab();
                } else if (const int previous = PreviousTabStop()) {
                    controls_.UserFocus(previous);
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
                Dispatch([this, focused] { controls_.UserConfirmListText(focused); });
                if (FormPeer* peer = PeerOf(focused); peer && attached_)
                    peer->Synchronise();
                return true;
            }
            if (control->Kind() == ControlKind::Tabs)
                return true;
            const int button = control->Kind() == ControlKind::Edit ? defaultButton_ : focused;
            if (button == 0 || !control->IsEnabled())
                return true;
            Dispatch([this, button] { controls_.UserClick(button); });
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
            const std::vector<Control*>& order = controls_.InTabOrder();
            const auto self = std::find(order.begin(), order.end(), control);
            const long index = static_cast<long>(self - order.begin()) + step;
            if (index < 0 || index >= static_cast<long>(order.size()))
                return true;
            const Control* neighbour = order[static_cast<size_t>(index)];
            if (neighbour->Kind() == ControlKind::RadioButton && neighbour->IsEnabled()) {
                const int id = neighbour->Id();
                Dispatch([this, id] { controls_.UserClick(id); });
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
        reinterpret_cast<FormWindow*>(lParam)->window_ = window;
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
            if (header.code == TCN_SELCHANGE && attached_ && !Synchronising()) {
                const int index = TabCtrl_GetCurSel(header.hwndFrom);
                Dispatch([this, id, index] { controls_.UserSelectTab(id, index); });
                if (FormPeer* peer = PeerOf(id); peer && attached_)
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
    if (!attached_ || Synchronising())
        return;
    Control* control = controls_.Find(id);
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
                if (attached_)
                    peer->Synchronise();
            }
            return;
        case ControlKind::List:
            if (code == CBN_SETFOCUS) {
                OnFocusArrived(id);
            } else if (code == CBN_SELCHANGE) {
                const int index = static_cast<int>(SendMessageW(peer->Window(), CB_GETCURSEL, 0, 0));
                Dispatch([&] { controls_.UserPick(id, index); });
                if (attached_)
                    peer->Synchronise();
            } else if (code == CBN_EDITCHANGE) {
                const std::string text = Narrow(WindowText(peer->Window()));
                Dispatch([&] { controls_.UserEditListText(id, text); });
                if (attached_)
                    peer->Synchronise();
            }
            return;
        case ControlKind::PushButton:
        case ControlKind::RadioButton:
        case ControlKind::OwnerDrawButton:
            if (code == BN_CLICKED) {
                Dispatch([&] { controls_.UserClick(id); });
                if (attached_)
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
    if (dispatching_ || id == controls_.FocusedId() || !controls_.Find(id)->IsEnabled())
        return;
    Dispatch([this, id] { controls_.UserFocus(id); });
}

INT_PTR FormWindow::ControlColour(HDC dc, HWND control) {
    const EditControl* edit = attached_ ? controls_.FindEdit(IdOf(control)) : nullptr;
    const std::optional<Rgb> colour = edit ? edit->Background() : std::nullopt;
    if (!colour)
        return FALSE;
    SetBkColor(dc, RGB(colour->r, colour->g, colour->b));
    SetTextColor(dc, RGB(0, 0, 0));  // dark text on a coloured field, locked or not
    return reinterpret_cast<INT_PTR>(Brush(*colour));
}

HBRUSH FormWindow::Brush(Rgb colour) {
    HBRUSH& brush = brushes_[RGB(colour.r, colour.g, colour.b)];
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
    const HGDIOBJ previous = SelectObject(item.hDC, font_);
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
    ButtonControl* button = attached_ ? controls_.FindButton(id) : nullptr;
    if (button && button->Kind() == ControlKind::PushButton) {
        if (const std::optional<Rgb> colour = sink_.ControlBrush(id))
            DrawColouredButton(item, *colour);
        return;
    }
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    if (!button)
        return;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    button->SetPressed(pressed);
    SetBkMode(item.hDC, TRANSPARENT);
    const HGDIOBJ previous = SelectObject(item.hDC, font_);
    {
        GdiDrawingContext dc(item.hDC);
        sink_.OnDrawItem(id, dc, item.rcItem.left, item.rcItem.top, pressed);
    }
    SelectObject(item.hDC, previous);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(item.hDC, &item.rcItem);
}

}  // namespace platform::win32

#include "platform/win32/FormPeers.h"

#include <commctrl.h>

#include "platform/win32/FormWindow.h"
#include "platform/win32/Wide.h"

namespace platform::win32 {

namespace {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// A locked (disabled) field stays a live, read-only control: its text can be selected and copied,
// not typed into, and the Tab key passes it by.
class EditPeer : public FormPeer {
  public:
    using FormPeer::FormPeer;

    void Synchronise() override {
        const auto& edit = static_cast<EditControl&>(m_control);
        const FormWindow::SynchronisingScope scope(m_form);
        const std::wstring text = Widen(edit.GetText());
        if (WindowText(m_window) != text)
            SetWindowTextW(m_window, text.c_str());
        const bool readOnly = (GetWindowLongPtrW(m_window, GWL_STYLE) & ES_READONLY) != 0;
        if (readOnly == edit.IsEnabled()) {
            SendMessageW(m_window, EM_SETREADONLY, !edit.IsEnabled(), 0);
            Repaint();
        }
    }
};

// An editable drop-down list.
class ListPeer : public FormPeer {
  public:
    using FormPeer::FormPeer;

    void Synchronise() override {
        const auto& list = static_cast<ListControl&>(m_control);
        const FormWindow::SynchronisingScope scope(m_form);
        if (!SameEntries(list)) {
            SendMessageW(m_window, CB_RESETCONTENT, 0, 0);
            for (const std::string& entry : list.Entries())
                SendMessageW(m_window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(entry).c_str()));
        }
        if (SendMessageW(m_window, CB_GETCURSEL, 0, 0) != list.GetCurSel())
            SendMessageW(m_window, CB_SETCURSEL, static_cast<WPARAM>(list.GetCurSel()), 0);
        const std::wstring text = Widen(list.GetEditText());
        if (WindowText(m_window) != text)
            SetWindowTextW(m_window, text.c_str());
        EnableWindow(m_window, list.IsEnabled());
    }

  private:
    bool SameEntries(const ListControl& list) const {
        if (SendMessageW(m_window, CB_GETCOUNT, 0, 0) != list.GetCount())
            return false;
        for (int i = 0; i < list.GetCount(); ++i) {
            const auto length = SendMessageW(m_window, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
            std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
            SendMessageW(m_window, CB_GETLBTEXT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(entry.data()));
            entry.resize(static_cast<size_t>(length));
            if (entry != Widen(list.GetLBText(i)))
                return false;
        }
        return true;
    }
};

// The sought parameter: a tab control drawn as a row of buttons.
class TabsPeer : public FormPeer {
  public:
    TabsPeer(FormWindow& form, Control& control, HWND window, std::string keys)
        : FormPeer(form, control, window), m_keys(std::move(keys)) {}

    void Synchronise() override {
        const auto& tabs = static_cast<TabControl&>(m_control);
        const FormWindow::SynchronisingScope scope(m_form);
        if (m_items != tabs.Items()) {
            TabCtrl_DeleteAllItems(m_window);
            for (size_t i = 0; i < tabs.Items().size(); ++i) {
                std::wstring text = Caption(tabs.Items()[i], i);
                TCITEMW item{};
                item.mask = TCIF_TEXT;
                item.pszText = text.data();
                SendMessageW(m_window, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
            }
            m_items = tabs.Items();
        }
        if (TabCtrl_GetCurSel(m_window) != tabs.GetCurSel())
            TabCtrl_SetCurSel(m_window, tabs.GetCurSel());
        EnableWindow(m_window, tabs.IsEnabled());
    }

  private:
    // The tab's text with its key marked: the first character equal to its key, in any case.
    std::wstring Caption(const std::string& item, size_t index) const {
        if (index >= m_keys.size())
            return MnemonicCaption(item, -1);
        const std::wstring text = Widen(item);
        const wchar_t key = static_cast<wchar_t>(towlower(static_cast<wint_t>(m_keys[index])));
        for (size_t i = 0; i < text.size(); ++i) {
            if (towlower(text[i]) == key)
                return MnemonicCaption(item, static_cast<int>(i));
        }
        return MnemonicCaption(item, -1);
    }

    std::string m_keys;
    std::vector<std::string> m_items;
};

// Push buttons and owner-drawn buttons: only their enabled state is mirrored.
class ButtonPeer : public FormPeer {
  public:
    using FormPeer::FormPeer;

    void Synchronise() override { EnableWindow(m_window, m_control.IsEnabled()); }
};

class RadioPeer : public FormPeer {
  public:
    using FormPeer::FormPeer;

    void Synchronise() override {
        const FormWindow::SynchronisingScope scope(m_form);
        const bool checked = static_cast<ButtonControl&>(m_control).GetCheck();
        SendMessageW(m_window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        EnableWindow(m_window, m_control.IsEnabled());
    }
};

}  // namespace

std::wstring MnemonicCaption(const std::string& caption, int mnemonic) {
    const std::wstring plain = Widen(caption);
    std::wstring text;
    for (size_t i = 0; i < plain.size(); ++i) {
        if (static_cast<int>(i) == mnemonic)
            text += L'&';
        text += plain[i];
        if (plain[i] == L'&')
            text += L'&';
    }
    return text;
}

ControlWindowKind WindowKindOf(const ControlTemplate& layout) {
    const DWORD tabStop = layout.tabStop ? WS_TABSTOP : 0;
    switch (layout.kind) {
        case ControlKind::Edit:
            return {L"EDIT", ES_AUTOHSCROLL | tabStop, WS_EX_CLIENTEDGE};
        case ControlKind::List:
            return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | tabStop, 0};
        case ControlKind::Tabs:
            return {WC_TABCONTROLW, TCS_BUTTONS | TCS_FOCUSNEVER | tabStop, 0};
        case ControlKind::PushButton:
            return {L"BUTTON", BS_PUSHBUTTON | tabStop, 0};
        case ControlKind::RadioButton:
            return {L"BUTTON", BS_RADIOBUTTON | BS_NOTIFY | tabStop, 0};
        case ControlKind::OwnerDrawButton:
            return {L"BUTTON", BS_OWNERDRAW | tabStop, 0};
    }
    return {L"STATIC", 0, 0};
}

std::unique_ptr<FormPeer> MakeFormPeer(FormWindow& form, const ControlTemplate& layout, Control& control,
                                       HWND window) {
    switch (layout.kind) {
        case ControlKind::Edit:
            return std::make_unique<EditPeer>(form, control, window);
        case ControlKind::List:
            return std::make_unique<ListPeer>(form, control, window);
        case ControlKind::Tabs:
            return std::make_unique<TabsPeer>(form, control, window, layout.itemMnemonics);
        case ControlKind::RadioButton:
            return std::make_unique<RadioPeer>(form, control, window);
        case ControlKind::PushButton:
        case ControlKind::OwnerDrawButton:
            return std::make_unique<ButtonPeer>(form, control, window);
    }
    return nullptr;
}

}  // namespace platform::win32

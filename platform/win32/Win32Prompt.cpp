#include "platform/win32/Win32Prompt.h"

#include <commdlg.h>

#include <cwctype>
#include <vector>

#include "platform/win32/TemplateDialogIds.h"
#include "platform/win32/Wide.h"

namespace platform::win32 {

namespace {

// A file name as long as the wide API takes.
constexpr size_t kPathCapacity = 32768;

// A button's caption with its key for Alt marked: its first letter or digit that no earlier button of
// the dialog uses (kept in keys); any ampersand of the caption doubled.
std::wstring WithMnemonic(const std::string& caption, std::wstring& keys) {
    std::wstring text;
    bool marked = false;
    for (const wchar_t c : Widen(caption)) {
        const wchar_t key = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
        if (!marked && std::iswalnum(static_cast<wint_t>(c)) && keys.find(key) == std::wstring::npos) {
            text += L'&';
            keys += key;
            marked = true;
        }
        text += c;
        if (c == L'&')
            text += L'&';
    }
    return text;
}

INT_PTR CALLBACK TemplateDialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        const auto& dialog = *reinterpret_cast<const DialogTemplate*>(lParam);
        SetWindowTextW(window, Widen(dialog.caption).c_str());
        SetDlgItemTextW(window, IDC_TEMPLATE_TEXT, Widen(dialog.text).c_str());
        for (size_t i = 0; i < dialog.texts.size(); ++i)
            SetDlgItemTextW(window, IDC_TEMPLATE_PLACED_TEXT + static_cast<int>(i),
                            Widen(dialog.texts[i].text).c_str());
        std::wstring keys;
        for (const DialogButton& button : dialog.buttons)
            SetDlgItemTextW(window, button.id, WithMnemonic(button.caption, keys).c_str());
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    const auto* dialog = reinterpret_cast<const DialogTemplate*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!dialog)
        return FALSE;
    const int id = LOWORD(wParam);
    for (const DialogButton& button : dialog->buttons) {
        if (button.id == id) {
            EndDialog(window, button.code);
            return TRUE;
        }
    }
    if (id == IDCANCEL)
        EndDialog(window, dialog->closeCode);
    return TRUE;
}

// "Beschreibung (*.a *.b)" as the dialog's pair of description and patterns "*.a;*.b".
std::wstring FilterPairs(const std::string& filter) {
    std::wstring description = Widen(filter);
    std::wstring patterns = L"*.*";
    const size_t open = description.rfind(L'(');
    const size_t close = description.rfind(L')');
    if (open != std::wstring::npos && close != std::wstring::npos && close > open) {
        patterns = description.substr(open + 1, close - open - 1);
        for (wchar_t& c : patterns) {
            if (c == L' ')
                c = L';';
        }
    }
    return description + L'\0' + patterns + L'\0' + L'\0';
}

}  // namespace

HWND Win32Prompt::Owner() const {
    if (HWND active = GetActiveWindow())
        return active;
    return m_owner && IsWindowVisible(m_owner) ? m_owner : nullptr;
}

void Win32Prompt::Message(const std::string& text, MessageIcon icon) {
    MessageBoxW(Owner(), Widen(text).c_str(), Widen(kApplicationTitle).c_str(),
                MB_OK | (icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : 0));
}

int Win32Prompt::RunDialog(const DialogTemplate& dialog) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const wchar_t* name = MAKEINTRESOURCEW(dialog.id);
    if (!FindResourceW(instance, name, RT_DIALOG))
        return dialog.closeCode;
    const INT_PTR code =
        DialogBoxParamW(instance, name, Owner(), TemplateDialogProcedure, reinterpret_cast<LPARAM>(&dialog));
    return code == -1 ? dialog.closeCode : static_cast<int>(code);
}

std::optional<std::string> Win32Prompt::ChooseFile(const FileDialog& dialog) {
    const bool saving = dialog.kind == FileDialog::Kind::Save;
    std::vector<wchar_t> file(kPathCapacity, L'\0');
    const std::wstring suggested = Widen(dialog.suggested);
    if (saving && suggested.size() < kPathCapacity)
        std::copy(suggested.begin(), suggested.end(), file.begin());
    const std::wstring filter = FilterPairs(dialog.filter);
    const std::wstring title = Widen(dialog.caption);
    const std::wstring suffix = Widen(dialog.suffix);

    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = Owner();
    request.lpstrFilter = filter.c_str();
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrInitialDir = saving || suggested.empty() ? nullptr : suggested.c_str();
    request.lpstrTitle = title.empty() ? nullptr : title.c_str();
    request.lpstrDefExt = suffix.empty() ? nullptr : suffix.c_str();
    request.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY |
                    (saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = saving ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
    if (!chosen)
        return std::nullopt;
    return Narrow(file.data());
}

}  // namespace platform::win32

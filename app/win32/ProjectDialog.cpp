#include "app/win32/ProjectDialog.h"

#include <array>
#include <cwctype>

#include "app/win32/DialogTexts.h"
#include "app/win32/resource.h"
#include "platform/win32/Wide.h"

namespace {

// The longest text of a field: what a calculation file holds.
constexpr int kMaxLength = 1000;

std::array<std::pair<int, std::string ProjectHeader::*>, 4> Fields() {
    return {{{IDC_PROJECT, &ProjectHeader::project},
             {IDC_SECTION, &ProjectHeader::section},
             {IDC_ENGINEER, &ProjectHeader::engineer},
             {IDC_REMARK, &ProjectHeader::remark}}};
}

std::string FieldText(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    for (wchar_t& c : text) {
        if (std::iswcntrl(static_cast<wint_t>(c)))
            c = L' ';
    }
    return platform::win32::Narrow(text);
}

INT_PTR CALLBACK Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        using messages::WindowText;
        SetDialogTexts(dialog, WindowText::ProjectTitle,
                       {{IDC_PROJECT_LABEL, WindowText::ProjectLabel},
                        {IDC_SECTION_LABEL, WindowText::SectionLabel},
                        {IDC_ENGINEER_LABEL, WindowText::EngineerLabel},
                        {IDC_REMARK_LABEL, WindowText::RemarkLabel},
                        {IDCANCEL, WindowText::Cancel}});
        const auto& header = *reinterpret_cast<const ProjectHeader*>(lParam);
        for (const auto& [id, member] : Fields()) {
            SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, kMaxLength, 0);
            SetDlgItemTextW(dialog, id, platform::win32::Widen(header.*member).c_str());
        }
        return TRUE;
    }
    if (message != WM_COMMAND)
        return FALSE;
    const int id = LOWORD(wParam);
    if (id == IDOK) {
        auto& header = *reinterpret_cast<ProjectHeader*>(GetWindowLongPtrW(dialog, DWLP_USER));
        for (const auto& [field, member] : Fields()) header.*member = FieldText(dialog, field);
        EndDialog(dialog, IDOK);
    } else if (id == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
    }
    return TRUE;
}

}  // namespace

std::optional<ProjectHeader> EditProjectHeader(HWND owner, const ProjectHeader& header) {
    ProjectHeader edited = header;
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROJECT_HEADER),
                                           owner, Procedure, reinterpret_cast<LPARAM>(&edited));
    if (result != IDOK)
        return std::nullopt;
    return edited;
}

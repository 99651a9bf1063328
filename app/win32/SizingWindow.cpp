#include "app/win32/SizingWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <charconv>
#include <string>

#include "app/Application.h"
#include "app/SizingTableCommands.h"
#include "app/win32/Clipboard.h"
#include "app/win32/DialogTexts.h"
#include "app/win32/resource.h"
#include "form/PlenwickView.h"
#include "messages/MessageTexts.h"
#include "messages/SizingTexts.h"
#include "messages/WindowTexts.h"
#include "platform/Number.h"
#include "platform/Prompt.h"
#include "platform/win32/Wide.h"

namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

constexpr COLORREF kRecommendedColour = RGB(170, 225, 160);
constexpr COLORREF kFailingText = RGB(120, 120, 120);
// Pixels a list view's header keeps around its text.
constexpr int kHeaderPadding = 16;

std::string FieldText(HWND dialog, int id) {
    HWND field = GetDlgItem(dialog, id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

// A number typed with decimal comma or point; absent when the field is empty or holds no number.
std::optional<double> Typed(HWND dialog, int id) {
    std::string text = FieldText(dialog, id);
    const size_t first = text.find_first_not_of(' ');
    const size_t last = text.find_last_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    text = text.substr(first, last - first + 1);
    for (char& c : text) {
        if (c == ',')
            c = '.';
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string Decimal(double x) {
    std::string text = platform::Format("%.12g", x);
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

void SetCueBanner(HWND dialog, int id, const std::string& text) {
    SendDlgItemMessageW(dialog, id, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

}  // namespace

SizingWindow::SizingWindow(QuellrixApp& app, platform::PrinterService& printer, HWND owner)
    : m_app(app), m_printer(printer), m_owner(owner) {
    m_window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_SIZING_TABLE), owner,
                                  DialogProcedure, reinterpret_cast<LPARAM>(this));
    m_grid = GetDlgItem(m_window, IDC_SIZING_GRID);
    ListView_SetExtendedListViewStyle(m_grid, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0)), sizeof font, &font);
    font.lfWeight = FW_BOLD;
    m_bold = CreateFontIndirectW(&font);
    SetDlgItemTextW(m_window, IDC_SIZING_SOURCE, Widen(sizing::CriteriaSourceText()).c_str());
}

SizingWindow::~SizingWindow() {
    if (m_window)
        DestroyWindow(m_window);
    if (m_bold)
        DeleteObject(m_bold);
}

void SizingWindow::Prefill() {
    if (!m_app.IsRunning())
        return;
    const sizing::Design design = sizing::DesignFromForm(m_app.View());
    m_filling = true;
    SetDlgItemTextW(m_window, IDC_SIZING_Q, design.QLs > 0 ? Widen(Decimal(design.QLs)).c_str() : L"");
    SetDlgItemTextW(m_window, IDC_SIZING_J, design.JMkm > 0 ? Widen(Decimal(design.JMkm)).c_str() : L"");
    m_filling = false;
    Recompute(true);
    ShowWindow(m_window, SW_SHOWNORMAL);
    SetForegroundWindow(m_window);
}

sizing::Design SizingWindow::TypedDesign() const {
    sizing::Design design;
    design.QLs = Typed(m_window, IDC_SIZING_Q).value_or(0);
    design.JMkm = Typed(m_window, IDC_SIZING_J).value_or(0);
    design.vMin = Typed(m_window, IDC_SIZING_VMIN);
    design.vMax = Typed(m_window, IDC_SIZING_VMAX);
    design.hdMax = Typed(m_window, IDC_SIZING_HDMAX);
    design.tauMin = Typed(m_window, IDC_SIZING_TAU_MIN);
    design.L = Typed(m_window, IDC_SIZING_LENGTH).value_or(0);
    design.sumZeta = Typed(m_window, IDC_SIZING_LOSS_SUM).value_or(0);
    design.hvMax = Typed(m_window, IDC_SIZING_HV_MAX);
    return design;
}

void SizingWindow::Recompute(bool selectRecommendation) {
    if (!m_app.IsRunning())
        return;
    const sizing::Design design = TypedDesign();
    // An open criterion shows its default in grey.
    const sizing::Criteria defaults = sizing::DefaultCriteria(sizing::ModeOf(design));
    const bool gravity = sizing::ModeOf(design) == sizing::FlowMode::Gravity;
    SetCueBanner(m_window, IDC_SIZING_VMIN, Decimal(defaults.vMin));
    SetCueBanner(m_window, IDC_SIZING_VMAX, Decimal(defaults.vMax));
    SetCueBanner(m_window, IDC_SIZING_HDMAX, gravity ? Decimal(defaults.hdMax) : std::string());
    EnableWindow(GetDlgItem(m_window, IDC_SIZING_HDMAX), gravity);
    SetCueBanner(m_window, IDC_SIZING_TAU_MIN, gravity ? Decimal(defaults.tauMin) : std::string());
    EnableWindow(GetDlgItem(m_window, IDC_SIZING_TAU_MIN), gravity);
    for (int id : {IDC_SIZING_LENGTH, IDC_SIZING_LOSS_SUM, IDC_SIZING_HV_MAX})
        EnableWindow(GetDlgItem(m_window, id), !gravity);
    std::string summary;
    if (const std::optional<std::string> refused = sizing::CheckDesign(design)) {
        m_table.reset();
        summary = *refused;
    } else {
        m_table = sizing::ComputeTableForForm(m_app.View(), design);
        for (const std::string& line : sizing::InputLines(*m_table, m_app.Clock().Now()))
            summary += line + "\n";
        summary += m_table->recommended < 0
                       ? std::string(messages::Text(messages::SizingText::NoRowMet))
                       : messages::Filled(messages::WindowText::Recommendation,
                                          {m_table->rows[static_cast<size_t>(m_table->recommended)].dn});
    }
    SetDlgItemTextW(m_window, IDC_SIZING_SUMMARY, Widen(summary).c_str());
    Fill(selectRecommendation);
}

void SizingWindow::Fill(bool selectRecommendation) {
    const int selected = ListView_GetNextItem(m_grid, -1, LVNI_SELECTED);
    SendMessageW(m_grid, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(m_grid);
    while (ListView_DeleteColumn(m_grid, 0)) {
    }
    EnableWindow(GetDlgItem(m_window, IDC_SIZING_TAKE_OVER), m_table.has_value());
    if (m_table) {
        const std::vector<std::string> headers = sizing::HeaderCells(m_table->mode);
        for (size_t c = 0; c < headers.size(); ++c) {
            std::wstring text = Widen(headers[c]);
            LVCOLUMNW column{};
            column.mask = LVCF_TEXT | LVCF_FMT;
            column.fmt = c + 1 < headers.size() ? LVCFMT_RIGHT : LVCFMT_LEFT;
            column.pszText = text.data();
            SendMessageW(m_grid, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
        }
        for (size_t r = 0; r < m_table->rows.size(); ++r) {
            const std::vector<std::string> cells = sizing::RowCells(*m_table, r);
            for (size_t c = 0; c < cells.size(); ++c) {
                std::wstring text = Widen(cells[c]);
                LVITEMW item{};
                item.mask = LVIF_TEXT;
                item.iItem = static_cast<int>(r);
                item.iSubItem = static_cast<int>(c);
                item.pszText = text.data();
                SendMessageW(m_grid, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, r,
                             reinterpret_cast<LPARAM>(&item));
            }
        }
        // Each column as wide as its widest cell or its header.
        for (int c = 0; c < static_cast<int>(headers.size()); ++c) {
            ListView_SetColumnWidth(m_grid, c, LVSCW_AUTOSIZE);
            const int header = static_cast<int>(
                SendMessageW(m_grid, LVM_GETSTRINGWIDTHW, 0,
                             reinterpret_cast<LPARAM>(Widen(headers[static_cast<size_t>(c)]).c_str())));
            ListView_SetColumnWidth(m_grid, c,
                                    std::max(ListView_GetColumnWidth(m_grid, c), header + kHeaderPadding));
        }
        // Without a selection "Übernehmen" takes the recommendation, which then shows in its own colour.
        if (!selectRecommendation && selected >= 0 && selected < static_cast<int>(m_table->rows.size())) {
            ListView_SetItemState(m_grid, selected, LVIS_SELECTED | LVIS_FOCUSED,
                                  LVIS_SELECTED | LVIS_FOCUSED);
        } else if (m_table->recommended >= 0) {
            ListView_EnsureVisible(m_grid, m_table->recommended, FALSE);
        }
    }
    SendMessageW(m_grid, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_grid, nullptr, TRUE);
}

// The recommended row in green and bold, the rows that fail in grey.
LRESULT SizingWindow::CustomDraw(NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || !m_table)
        return CDRF_DODEFAULT;
    const auto row = static_cast<int>(draw.nmcd.dwItemSpec);
    if (row == m_table->recommended) {
        draw.clrTextBk = kRecommendedColour;
        SelectObject(draw.nmcd.hdc, m_bold);
        return CDRF_NEWFONT;
    }
    if (row >= 0 && row < static_cast<int>(m_table->rows.size()) &&
        !m_table->rows[static_cast<size_t>(row)].Passes())
        draw.clrText = kFailingText;
    return CDRF_DODEFAULT;
}

bool SizingWindow::TakeSelectedRow() {
    const int selected = ListView_GetNextItem(m_grid, -1, LVNI_SELECTED);
    const int row = selected >= 0 ? selected : (m_table ? m_table->recommended : -1);
    if (!m_table || row < 0 || row >= static_cast<int>(m_table->rows.size()) || !m_app.IsRunning())
        return false;
    const sizing::Row& taken = m_table->rows[static_cast<size_t>(row)];
    if (!sizing::TakeOverRow(m_app.View(), *m_table, taken)) {
        platform::ShowMessage(messages::Text(messages::MessageId::SizingRowNotTaken));
        return false;
    }
    if (const std::optional<std::string> note = sizing::FittedDifferenceNote(*m_table, taken))
        platform::ShowMessage(*note);
    SetForegroundWindow(m_owner);
    return true;
}

void SizingWindow::SaveCsv() {
    if (m_table)
        SaveSizingTableCsv(*m_table, m_app);
}

void SizingWindow::PrintTable(bool preview) {
    if (m_table)
        PrintSizingTable(*m_table, m_app, m_printer, preview);
}

INT_PTR CALLBACK SizingWindow::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<SizingWindow*>(lParam)->m_window = window;
        using messages::WindowText;
        SetDialogTexts(window, WindowText::SizingTitle,
                       {{IDC_SIZING_Q_LABEL, WindowText::FlowLabel},
                        {IDC_SIZING_J_LABEL, WindowText::SlopeLabel},
                        {IDC_SIZING_LENGTH_LABEL, WindowText::LengthLabel},
                        {IDC_SIZING_LOSS_SUM_LABEL, WindowText::LossSumLabel},
                        {IDC_SIZING_VMIN_LABEL, WindowText::VMinLabel},
                        {IDC_SIZING_VMAX_LABEL, WindowText::VMaxLabel},
                        {IDC_SIZING_HDMAX_LABEL, WindowText::HdMaxLabel},
                        {IDC_SIZING_TAU_MIN_LABEL, WindowText::TauMinLabel},
                        {IDC_SIZING_HV_MAX_LABEL, WindowText::HvMaxLabel},
                        {IDC_SIZING_TAKE_OVER, WindowText::TakeOver},
                        {IDC_SIZING_COPY, WindowText::Copy},
                        {IDC_SIZING_CSV, WindowText::SaveCsv},
                        {IDC_SIZING_PRINT, WindowText::Print},
                        {IDC_SIZING_PREVIEW, WindowText::Preview},
                        {IDCANCEL, WindowText::Close}});
        return TRUE;
    }
    auto* self = reinterpret_cast<SizingWindow*>(GetWindowLongPtrW(window, DWLP_USER));
    return self ? self->Handle(message, wParam, lParam) : FALSE;
}

INT_PTR SizingWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE)
                Recompute();
            return FALSE;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (header.idFrom != IDC_SIZING_GRID)
                return FALSE;
            if (header.code == NM_CUSTOMDRAW) {
                SetWindowLongPtrW(m_window, DWLP_MSGRESULT,
                                  CustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam)));
                return TRUE;
            }
            if (header.code == NM_DBLCLK || header.code == NM_RETURN)
                TakeSelectedRow();
            return FALSE;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_SIZING_Q:
                case IDC_SIZING_J:
                case IDC_SIZING_VMIN:
                case IDC_SIZING_VMAX:
                case IDC_SIZING_HDMAX:
                case IDC_SIZING_LENGTH:
                case IDC_SIZING_LOSS_SUM:
                case IDC_SIZING_TAU_MIN:
                case IDC_SIZING_HV_MAX:
                    if (HIWORD(wParam) == EN_CHANGE && !m_filling)
                        Recompute(true);
                    return TRUE;
                case IDC_SIZING_TAKE_OVER:
                    TakeSelectedRow();
                    return TRUE;
                case IDC_SIZING_COPY:
                    if (m_table)
                        CopyTextToClipboard(m_window, sizing::CopyText(*m_table, m_app.Clock().Now()));
                    return TRUE;
                case IDC_SIZING_CSV:
                    SaveCsv();
                    return TRUE;
                case IDC_SIZING_PRINT:
                case IDC_SIZING_PREVIEW:
                    PrintTable(LOWORD(wParam) == IDC_SIZING_PREVIEW);
                    return TRUE;
                case IDCANCEL:
                    ShowWindow(m_window, SW_HIDE);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

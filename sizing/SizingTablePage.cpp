#include "sizing/SizingTablePage.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/DrawingContext.h"
#include "report/WrappedText.h"

namespace {

// Left edges of the columns in fractions of the printable width; the verdict takes the rest.
std::vector<double> ColumnEdges(sizing::FlowMode mode) {
    if (mode == sizing::FlowMode::Gravity)
        return {0.0, 0.05, 0.12, 0.20, 0.26, 0.32, 0.39, 0.44, 0.50, 0.55, 0.62};
    return {0.0, 0.06, 0.14, 0.20, 0.28, 0.36, 0.45, 0.56, 0.64};
}

std::unique_ptr<platform::Font> MakeFont(platform::DrawingContext& dc, int height, bool bold) {
    platform::FontSpec font;
    font.height = -height;
    font.weight = bold ? 700 : 400;
    font.faceName = "Arial";
    return dc.CreateFont(font);
}

}  // namespace

SizingTablePage::SizingTablePage(const sizing::Table& table, int width, int height,
                                 platform::PrinterService& printer, platform::Clock& clock)
    : m_table(table), m_printer(printer), m_clock(clock), m_width(width), m_height(height) {}

bool SizingTablePage::OnPreparePrinting(platform::PrintInfo& info) {
    info.maxPage = 1;
    return m_printer.DoPreparePrinting(info);
}

void SizingTablePage::OnPrint(platform::DrawingContext& dc, platform::PrintInfo&) {
    const int margin = m_width / 20;
    const int usable = m_width - 2 * margin;
    // Every row fits below the heading block of at most 15 lines.
    const int lines = static_cast<int>(m_table.rows.size()) + 15;
    const int lineHeight = std::max(1, std::min(m_height / 60, (m_height - 2 * margin) / lines));
    const int textHeight = lineHeight * 3 / 5;
    const auto normal = MakeFont(dc, textHeight, false);
    const auto bold = MakeFont(dc, textHeight, true);
    const auto title = MakeFont(dc, lineHeight * 6 / 5, true);
    platform::Font* previousFont = dc.SelectFont(title.get());
    const platform::TextAlign previousAlign = dc.SetTextAlign(platform::TextAlign::Left);

    int y = margin;
    const std::vector<std::string> inputs = sizing::InputLines(m_table, m_clock.Now());
    dc.TextOut(margin, y, inputs.front());
    y += lineHeight * 3 / 2;
    dc.SelectFont(normal.get());
    for (size_t i = 1; i < inputs.size(); ++i) {
        for (const std::string& line : report::FittedLines(dc, inputs[i], usable)) {
            dc.TextOut(margin, y, line);
            y += lineHeight;
        }
    }
    y += lineHeight / 2;

    const std::vector<double> edges = ColumnEdges(m_table.mode);
    // The last cell (the verdict with its reasons) is cut at the page's margin.
    const auto writeRow = [&](const std::vector<std::string>& cells) {
        for (size_t c = 0; c < cells.size() && c < edges.size(); ++c) {
            const int x = margin + static_cast<int>(edges[c] * usable);
            dc.TextOut(
                x, y,
                c + 1 < edges.size() ? cells[c] : report::ElidedText(dc, cells[c], margin + usable - x));
        }
        y += lineHeight;
    };
    dc.SelectFont(bold.get());
    writeRow(sizing::HeaderCells(m_table.mode));
    dc.MoveTo(margin, y - lineHeight / 4);
    dc.LineTo(margin + usable, y - lineHeight / 4);
    for (size_t i = 0; i < m_table.rows.size(); ++i) {
        dc.SelectFont(static_cast<int>(i) == m_table.recommended ? bold.get() : normal.get());
        writeRow(sizing::RowCells(m_table, i));
    }
    y += lineHeight;
    dc.SelectFont(normal.get());
    for (const std::string& line : report::FittedLines(dc, sizing::CriteriaSourceText(), usable)) {
        dc.TextOut(margin, y, line);
        y += lineHeight;
    }

    dc.SetTextAlign(previousAlign);
    dc.SelectFont(previousFont);
}

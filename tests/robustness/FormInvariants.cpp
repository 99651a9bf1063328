#include "FormInvariants.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <regex>

#include "platform/headless/RecordingDC.h"
#include "platform/headless/Transcript.h"
#include "report/DesignSheet.h"
#include "sheet/DesignSheetContent.h"
#include "sizing/SizingTable.h"

namespace robustness {

namespace {

constexpr std::array<const char*, 11> kInputNames{"Re", "k", "Di",  "g", "v",     "ny",
                                                  "Q",  "I", "rho", "T", "lambda"};

}  // namespace

bool ShowsNonFinite(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

bool MessageShowsUnfitNumber(std::string_view text) {
    static const std::regex unfit("(^|[^[:alpha:]])[-+]?(nan|inf)([^[:alpha:]]|$)|[0-9]{17}",
                                  std::regex::icase);
    return std::regex_search(text.begin(), text.end(), unfit);
}

std::vector<std::string> NonFiniteFields(const CPlenwickView& view) {
    std::vector<std::string> found;
    for (const platform::Control* control : view.Controls().InTabOrder()) {
        if (control->Kind() != platform::ControlKind::Edit)
            continue;
        const std::string& text = static_cast<const platform::EditControl*>(control)->GetText();
        if (ShowsNonFinite(text))
            found.push_back(std::to_string(control->Id()) + " \"" + text + "\"");
    }
    return found;
}

std::vector<std::string> UnfitSheetTexts(const CPlenwickView& view, int width, int height) {
    headless::Transcript transcript;
    headless::RecordingDC dc(transcript);
    dc.KeepDrawnTexts(true);
    platform::PrintInfo info;
    info.maxPage = 1;
    ComposeDesignSheet(dc, width, height, DesignSheetOf(view), {2026, 12, 9, 3, 0, 0}, info);
    std::vector<std::string> unfit;
    for (const auto& [text, box] : dc.DrawnTexts()) {
        if (box.left < 0 || box.top < 0 || box.right > width || box.bottom > height ||
            MessageShowsUnfitNumber(text)) {
            unfit.push_back(std::to_string(box.left) + " " + std::to_string(box.top) + " " +
                            std::to_string(box.right) + " " + std::to_string(box.bottom) + " \"" + text +
                            "\"");
        }
    }
    return unfit;
}

std::vector<std::string> UnfitSizingTexts(const CPlenwickView& view) {
    const sizing::Design design = sizing::DesignFromForm(view);
    if (sizing::CheckDesign(design))
        return {};
    const sizing::Table table = sizing::ComputeTableForForm(view, design);
    std::vector<std::string> texts = sizing::InputLines(table, {2026, 12, 9, 3, 0, 0});
    for (size_t row = 0; row < table.rows.size(); ++row) {
        for (const std::string& cell : sizing::RowCells(table, row)) texts.push_back(cell);
    }
    std::vector<std::string> unfit;
    std::copy_if(texts.begin(), texts.end(), std::back_inserter(unfit),
                 [](const std::string& text) { return MessageShowsUnfitNumber(text); });
    return unfit;
}

InputSnapshot::InputSnapshot(const CPlenwickDoc& doc)
    : m_values{doc.GetRe(), doc.GetK(), doc.GetDi(),  doc.GetG(), doc.GetV(),     doc.GetNy(),
               doc.GetQ(),  doc.GetI(), doc.GetRho(), doc.GetT(), doc.GetLambda()} {}

std::string InputSnapshot::ChangedSince(const InputSnapshot& other) const {
    std::string names;
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (std::memcmp(&m_values[i], &other.m_values[i], sizeof(double)) != 0)
            names += (names.empty() ? "" : ", ") + std::string(kInputNames[i]);
    }
    return names;
}

std::vector<std::string> PrintedTexts(const std::vector<std::string>& lines) {
    std::vector<std::string> texts;
    for (const std::string& line : lines) {
        if (line.rfind("text ", 0) == 0)
            texts.push_back(line);
    }
    return texts;
}

std::string PrintedAfter(const std::vector<std::string>& texts, const std::string& label) {
    // A text line reads: text X Y "TEXT".
    const auto quoted = [](const std::string& line) {
        const size_t open = line.find('"');
        return open == std::string::npos ? std::string() : line.substr(open + 1, line.size() - open - 2);
    };
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
        if (quoted(texts[i]) == label)
            return quoted(texts[i + 1]);
    }
    return "<none>";
}

}  // namespace robustness

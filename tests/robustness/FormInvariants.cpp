#include "FormInvariants.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <regex>

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
    static const std::regex unfit("(^|[^[:alpha:]])[-+]?(nan|inf)([^[:alpha:]]|$)|[0-9]{17}", std::regex::icase);
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

InputSnapshot::InputSnapshot(const CPlenwickDoc& doc)
    : values_{doc.GetRe(), doc.GetK(), doc.GetDi(),  doc.GetG(), doc.GetV(),     doc.GetNy(),
              doc.GetQ(),  doc.GetI(), doc.GetRho(), doc.GetT(), doc.GetLambda()} {}

std::string InputSnapshot::ChangedSince(const InputSnapshot& other) const {
    std::string names;
    for (size_t i = 0; i < values_.size(); ++i) {
        if (std::memcmp(&values_[i], &other.values_[i], sizeof(double)) != 0)
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

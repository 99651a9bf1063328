#include "report/WrappedText.h"

#include <algorithm>

namespace report {

namespace {

constexpr const char* kEllipsis = "…";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int WidthOf(platform::DrawingContext& dc, const std::string& text) {
    return dc.GetTextExtent(text).width;
}

}  // namespace

std::vector<std::string> WrappedLines(platform::DrawingContext& dc, const std::string& text, int width) {
    std::vector<std::string> lines(1);
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find(' ', start), text.find('\n', start));
        const size_t wordEnd = end == std::string::npos ? text.size() : end;
        const std::string word = text.substr(start, wordEnd - start);
        if (!lines.back().empty() && WidthOf(dc, lines.back() + " " + word) > width)
            lines.emplace_back();
        if (!word.empty())
            lines.back() += (lines.back().empty() ? "" : " ") + word;
        if (wordEnd < text.size() && text[wordEnd] == '\n')
            lines.emplace_back();
        start = wordEnd + 1;
    }
    return lines;
}

std::string ElidedText(platform::DrawingContext& dc, const std::string& text, int width) {
    if (WidthOf(dc, text) <= width)
        return text;
    std::string kept = text;
    while (!kept.empty()) {
        do {
            kept.pop_back();
        } while (!kept.empty() && IsContinuationByte(kept.back()));
        if (WidthOf(dc, kept + kEllipsis) <= width)
            break;
    }
    return kept + kEllipsis;
}

std::vector<std::string> FittedLines(platform::DrawingContext& dc, const std::string& text, int width) {
    std::vector<std::string> lines = WrappedLines(dc, text, width);
    for (std::string& line : lines) line = ElidedText(dc, line, width);
    return lines;
}

}  // namespace report

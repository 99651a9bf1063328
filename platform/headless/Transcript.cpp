#include "platform/headless/Transcript.h"

#include <ostream>

namespace headless {

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
            case '"': quoted += "\\\""; break;
            case '\\': quoted += "\\\\"; break;
            case '\n': quoted += "\\n"; break;
            default: quoted += c;
        }
    }
    quoted += '"';
    return quoted;
}

void Transcript::Add(std::string line) {
    if (echo_) *echo_ << line << '\n';
    lines_.push_back(std::move(line));
}

std::vector<std::string> Transcript::TakeNew() {
    std::vector<std::string> fresh(lines_.begin() + static_cast<std::ptrdiff_t>(taken_), lines_.end());
    taken_ = lines_.size();
    return fresh;
}

void Transcript::Clear() {
    lines_.clear();
    taken_ = 0;
}

}  // namespace headless

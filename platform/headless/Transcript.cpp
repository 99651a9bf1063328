#include "platform/headless/Transcript.h"

#include <ostream>

#include "platform/Number.h"
#include "platform/Utf8.h"

namespace headless {

namespace {

// A C1 control character (U+0080 to U+009F) is the sequence C2 80 to C2 9F.
bool IsC1Control(std::string_view sequence) {
    return sequence.size() == 2 && static_cast<unsigned char>(sequence[0]) == 0xC2 &&
           static_cast<unsigned char>(sequence[1]) <= 0x9F;
}

void AppendByteEscapes(std::string& out, std::string_view bytes) {
    for (char c : bytes) out += platform::Format("\\x%02x", static_cast<unsigned char>(c));
}

}  // namespace

std::string Quote(std::string_view text) {
    std::string quoted = "\"";
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        const size_t length = platform::Utf8SequenceLength(text.substr(i));
        const std::string_view sequence = text.substr(i, length == 0 ? 1 : length);
        i += sequence.size();
        switch (c) {
            case '"':
                quoted += "\\\"";
                continue;
            case '\\':
                quoted += "\\\\";
                continue;
            case '\n':
                quoted += "\\n";
                continue;
            case '\r':
                quoted += "\\r";
                continue;
            case '\t':
                quoted += "\\t";
                continue;
            default:
                break;
        }
        const auto byte = static_cast<unsigned char>(c);
        if (length == 0 || byte < 0x20 || byte == 0x7F || IsC1Control(sequence)) {
            AppendByteEscapes(quoted, sequence);
        } else {
            quoted += sequence;
        }
    }
    quoted += '"';
    return quoted;
}

void Transcript::Add(std::string line) {
    if (m_echo)
        *m_echo << line << '\n';
    m_lines.push_back(std::move(line));
}

std::vector<std::string> Transcript::TakeNew() {
    std::vector<std::string> fresh(m_lines.begin() + static_cast<std::ptrdiff_t>(m_taken), m_lines.end());
    m_taken = m_lines.size();
    return fresh;
}

void Transcript::Clear() {
    m_lines.clear();
    m_taken = 0;
}

}  // namespace headless

#include "platform/ProfileText.h"

#include <algorithm>
#include <unordered_set>

#include "platform/Utf8.h"

namespace platform {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = FoldCase(c);
    return folded;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

// The index key of a section and a key: names never hold a line break.
std::string IndexKey(std::string_view section, std::string_view key) {
    return Folded(section) + '\n' + Folded(key);
}

// One line: its content is [begin, contentEnd), its line end (LF, CR LF or none) [contentEnd, end).
struct Line {
    size_t begin = 0;
    size_t contentEnd = 0;
    size_t end = 0;
};

Line LineAt(std::string_view text, size_t begin) {
    Line line;
    line.begin = begin;
    const size_t lf = text.find('\n', begin);
    line.end = lf == std::string_view::npos ? text.size() : lf + 1;
    line.contentEnd = lf == std::string_view::npos ? text.size() : lf;
    if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r')
        --line.contentEnd;
    return line;
}

enum class LineKind { kOther, kSection, kKey };

struct ParsedLine {
    LineKind kind = LineKind::kOther;
    std::string_view name;  // the section name or the key, trimmed
    size_t valueBegin = 0;  // the trimmed value, as offsets into the text
    size_t valueEnd = 0;
};

ParsedLine Parse(std::string_view text, const Line& line) {
    ParsedLine parsed;
    const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
    const std::string_view body = Trim(content);
    if (body.empty() || body.front() == ';' || body.front() == '#')
        return parsed;
    if (body.front() == '[') {
        const size_t close = body.rfind(']');
        if (close == std::string_view::npos)
            return parsed;
        parsed.kind = LineKind::kSection;
        parsed.name = Trim(body.substr(1, close - 1));
        return parsed;
    }
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.name = Trim(content.substr(0, equals));
    if (parsed.name.empty())
        return parsed;
    parsed.kind = LineKind::kKey;
    size_t begin = equals + 1, end = content.size();
    while (begin < end && IsBlank(content[begin])) ++begin;
    while (end > begin && IsBlank(content[end - 1])) --end;
    parsed.valueBegin = line.begin + begin;
    parsed.valueEnd = line.begin + end;
    return parsed;
}

// Where a key is stored, or where it would be added.
struct Location {
    bool sectionFound = false;
    size_t insertAt = 0;  // end of the section's last key line, or of its section line
    std::optional<ParsedLine> key;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location where;
    bool inSection = false;
    for (size_t pos = 0; pos < text.size();) {
        const Line line = LineAt(text, pos);
        pos = line.end;
        const ParsedLine parsed = Parse(text, line);
        if (parsed.kind == LineKind::kSection) {
            if (where.sectionFound)
                break;
            inSection = EqualsFolded(parsed.name, section);
            if (inSection) {
                where.sectionFound = true;
                where.insertAt = line.end;
            }
        } else if (inSection && parsed.kind == LineKind::kKey) {
            where.insertAt = line.end;
            if (EqualsFolded(parsed.name, key)) {
                where.key = parsed;
                break;
            }
        }
    }
    return where;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// The line end most lines of the text have; LF on a tie.
const char* DominantLineEnd(std::string_view text) {
    size_t lf = 0, crlf = 0;
    for (size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
        ++(i > 0 && text[i - 1] == '\r' ? crlf : lf);
    }
    return crlf > lf ? "\r\n" : "\n";
}

bool HasAny(std::string_view text, std::string_view forbidden) {
    return text.find_first_of(forbidden) != std::string_view::npos;
}

}  // namespace

const ProfileText::Index& ProfileText::Indexed() const {
    if (m_index)
        return *m_index;
    Index& index = m_index.emplace();
    index.reserve(static_cast<size_t>(std::count(m_text.begin(), m_text.end(), '\n')));
    std::unordered_set<std::string> sections;
    std::string prefix;  // of the current section's keys; empty outside a section that counts
    std::string key;
    for (size_t pos = 0; pos < m_text.size();) {
        const Line line = LineAt(m_text, pos);
        pos = line.end;
        const ParsedLine parsed = Parse(m_text, line);
        if (parsed.kind == LineKind::kSection) {
            std::string folded = Folded(parsed.name);
            prefix = sections.insert(folded).second ? folded + '\n' : std::string();
        } else if (parsed.kind == LineKind::kKey && !prefix.empty()) {
            key = prefix;
            for (char c : parsed.name) key += FoldCase(c);
            index.emplace(key, std::pair{parsed.valueBegin, parsed.valueEnd});
        }
    }
    return index;
}

std::optional<std::string> ProfileText::Value(std::string_view section, std::string_view key) const {
    const Index& index = Indexed();
    const auto found = index.find(IndexKey(Trim(section), Trim(key)));
    if (found == index.end())
        return std::nullopt;
    const auto [begin, end] = found->second;
    const std::string_view value = FirstCharacters(
        StripQuotes(std::string_view(m_text).substr(begin, end - begin)), kProfileValueBuffer - 1);
    if (value.empty())
        return std::nullopt;
    return std::string(value);
}

bool ProfileText::IsStorable(const ProfileEntry& entry) {
    using namespace std::string_view_literals;
    const std::string_view lineBreaks = "\r\n\0"sv;
    const std::string_view key = Trim(entry.key);
    if (HasAny(entry.section, lineBreaks) || HasAny(entry.section, "]"))
        return false;
    if (HasAny(entry.key, lineBreaks) || HasAny(entry.key, "="))
        return false;
    if (key.empty() || key.front() == ';' || key.front() == '#' || key.front() == '[')
        return false;
    return !HasAny(entry.value, lineBreaks);
}

void ProfileText::Apply(const ProfileEntry& entry) {
    m_index.reset();
    const std::string_view section = Trim(entry.section), key = Trim(entry.key);
    const Location where = Locate(m_text, section, key);
    if (where.key) {
        m_text.replace(where.key->valueBegin, where.key->valueEnd - where.key->valueBegin, entry.value);
        return;
    }
    const std::string lineEnd = DominantLineEnd(m_text);
    std::string addition;
    if (!where.sectionFound)
        addition.append("[").append(section).append("]").append(lineEnd);
    addition.append(key).append("=").append(entry.value).append(lineEnd);
    const size_t at = where.sectionFound ? where.insertAt : m_text.size();
    if (at > 0 && m_text[at - 1] != '\n')
        addition.insert(0, lineEnd);
    m_text.insert(at, addition);
}

}  // namespace platform

#include "app/script/ScriptLineReader.h"

bool ScriptLineReader::Next(std::string& line) {
    line.clear();
    m_tooLong = false;
    std::streambuf* buffer = m_in.rdbuf();
    if (!buffer)
        return false;
    bool any = false;
    // One byte beyond the limit is kept, so that a CR before the LF does not make a line too long.
    constexpr std::size_t kKept = kMaxScriptLineLength + 1;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            m_in.setstate(std::ios::eofbit);
            break;
        }
        any = true;
        if (c == '\n')
            break;
        if (line.size() < kKept) {
            line.push_back(static_cast<char>(c));
        } else {
            m_tooLong = true;
        }
    }
    if (!line.empty() && line.back() == '\r' && !m_tooLong)
        line.pop_back();
    if (line.size() > kMaxScriptLineLength)
        m_tooLong = true;
    return any;
}

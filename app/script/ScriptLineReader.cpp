#include "app/script/ScriptLineReader.h"

bool ScriptLineReader::Next(std::string& line) {
    line.clear();
    tooLong_ = false;
    std::streambuf* buffer = in_.rdbuf();
    if (!buffer)
        return false;
    bool any = false;
    // One byte beyond the limit is kept, so that a CR before the LF does not make a line too long.
    constexpr std::size_t kKept = kMaxScriptLineLength + 1;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in_.setstate(std::ios::eofbit);
            break;
        }
        any = true;
        if (c == '\n')
            break;
        if (line.size() < kKept) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong_ = true;
        }
    }
    if (!line.empty() && line.back() == '\r' && !tooLong_)
        line.pop_back();
    if (line.size() > kMaxScriptLineLength)
        tooLong_ = true;
    return any;
}

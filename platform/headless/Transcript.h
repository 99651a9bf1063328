// The headless session's record of what happened, one line per event, in order. The session runner
// prints it; tests read it. Line formats are part of the quellrix-script contract (docs/quellrix-script.md).
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace headless {

// The text in double quotes: \" \\ \n \r \t for quote, backslash, LF, CR and tab; \xhh (two lower-case
// hex digits) for each byte of any other control character (C0, DEL, C1) and for each byte that begins
// no well-formed UTF-8 sequence. Any other UTF-8 passes unchanged.
std::string Quote(std::string_view text);

class Transcript {
  public:
    void Add(std::string line);
    const std::vector<std::string>& Lines() const { return m_lines; }
    // Lines added since the last call of TakeNew (for tests that check one step at a time).
    std::vector<std::string> TakeNew();
    void Clear();
    // Every line is also written to the stream as it is added (nullptr: none).
    void EchoTo(std::ostream* out) { m_echo = out; }

  private:
    std::vector<std::string> m_lines;
    size_t m_taken = 0;
    std::ostream* m_echo = nullptr;
};

}  // namespace headless

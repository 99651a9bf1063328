// Reads a script line by line: LF or CR LF line ends, a final line without line end, and a bound on
// the length kept of each line, so that no input can exhaust memory.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

inline constexpr std::size_t kMaxScriptLineLength = 4096;  // bytes, without the line end

class ScriptLineReader {
  public:
    explicit ScriptLineReader(std::istream& in) : m_in(in) {}

    // The next line without its line end; false at the end of the input. A longer line is read to its
    // end but only its first kMaxScriptLineLength + 1 bytes are kept (see TooLong).
    bool Next(std::string& line);
    // The last line read is longer than kMaxScriptLineLength.
    bool TooLong() const { return m_tooLong; }

  private:
    std::istream& m_in;
    bool m_tooLong = false;
};

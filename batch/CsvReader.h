// CSV as users have it: RFC 4180 records (fields quoted with '"', a quote doubled inside), LF or CR LF
// line ends, any one-byte delimiter. A field is quoted only when it begins with a quote; a quote
// elsewhere in an unquoted field, or text after a quoted field's closing quote, makes the record faulty
// without changing where it ends.
//
// A hand-written reader: the tool echoes every input record unchanged and hands blocks of whole records
// to its worker threads, so it needs each record's raw bytes and where records end before splitting them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace batch {

// Finds record ends in a stream of bytes fed in pieces; the state carries over from piece to piece.
class RecordScanner {
  public:
    explicit RecordScanner(char delimiter) : m_delimiter(delimiter) {}
    // The offset just past the last line end in data that ends a record (0 when none does).
    size_t LastRecordEnd(std::string_view data);

    // Feeds data up to the line end that ends the maxRecords-th record in it, or all of it.
    struct Scan {
        size_t fed;      // bytes of data fed
        size_t lastEnd;  // the offset just past the last record end fed (0 when none)
        size_t records;  // record ends fed
    };
    Scan Feed(std::string_view data, size_t maxRecords);

  private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    char m_delimiter;
    State m_state = State::FieldStart;
};

// The length of the first record of data, without its line end (LF or CR LF), and the length with it.
struct RecordExtent {
    size_t length;
    size_t next;
};
RecordExtent FirstRecord(std::string_view data, char delimiter);

struct CsvFields {
    std::vector<std::string> values;  // unquoted
    bool unterminatedQuote = false;
    bool textAfterQuote = false;
    bool quoteInField = false;
    bool Faulty() const { return unterminatedQuote || textAfterQuote || quoteInField; }
};

// Splits one record (without its line end) into fields; values is reused.
void SplitRecord(std::string_view record, char delimiter, CsvFields& fields);

// A field for the output: quoted when it holds the delimiter, a quote, CR or LF.
void AppendField(std::string& out, std::string_view value, char delimiter);

}  // namespace batch

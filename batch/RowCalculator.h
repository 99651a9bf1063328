// One output row of a calculation file: the input record unchanged, the values the form shows after
// the row's entries and one "Berechnen", and the status ("ok", or what the form would tell the user, or
// what is wrong with the row's cells).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "batch/CalcColumns.h"
#include "batch/CsvReader.h"
#include "batch/RowDriver.h"

namespace batch {

struct Dialect {
    char delimiter = ';';
    char decimal = ',';
    const char* lineEnd = "\n";
};

// The status texts joined into one cell.
inline constexpr const char* kStatusSeparator = " | ";

class RowCalculator {
  public:
    RowCalculator(const Catalogue& catalogue, const HeaderColumns& columns, const Dialect& dialect);

    // Appends the output row of record (without its line end) to out, with the line end; false when the
    // row is not ok.
    bool AppendRow(std::string_view record, std::string& out);
    // AppendRow in two steps, so that the rows of a block are all read before they are computed, in
    // another order: Read reads the record's cells into a numbered slot, AppendRead computes that slot
    // and appends the record's output row.
    void Read(std::string_view record, size_t slot);
    bool AppendRead(std::string_view record, size_t slot, std::string& out);
    // A hash of the cells that make a row's prefix (filling, sought parameter, fluid data, class, DN) as
    // written: rows with the same prefix have the same key.
    std::uint64_t GroupKey(std::string_view record) const;

  private:
    // What Read found in a record.
    struct ReadRow {
        RowEntries entries;
        bool readable = false;  // the entries hold the row; else the errors tell why not
        std::vector<std::string> errors;
        size_t fieldsWritten = 0;  // the record's fields (an empty record writes one)
        bool unterminatedQuote = false;
    };

    void AppendResults(std::string& out, bool calculated);
    // The flow checks of the record's result after the form's values.
    void AppendChecks(std::string& out, bool calculated);
    // A number's text as a field, with the dialect's decimal separator.
    void AppendNumber(std::string& out, const std::string& text) const;

    const Catalogue& m_catalogue;
    const HeaderColumns& m_columns;
    Dialect m_dialect;
    bool m_plainNumbers;              // numbers need no quotes in the dialect's fields
    std::vector<char> m_prefixCells;  // per header cell up to the prefix's last: whether it is one
    RowDriver m_form;
    CsvFields m_fields;
    std::vector<ReadRow> m_read;
    std::string m_status;
};

// The output header: the input header unchanged, then the result, check and status columns.
void AppendHeader(std::string_view header, const Dialect& dialect, std::string& out);

}  // namespace batch

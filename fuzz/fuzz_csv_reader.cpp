// The CSV reader of the batch tool on arbitrary bytes: the streaming scanner finds the same record ends
// wherever the input is cut, as the one-pass split of whole records does; a record without faults reads
// back the same after writing its fields again; and every record, as a row under the first one as
// header, gives one output row that begins with the record, the same when all rows are read before
// any is computed.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "batch/CalcColumns.h"
#include "batch/CsvReader.h"
#include "batch/RowCalculator.h"
#include "Require.h"

using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    if (size < 2)
        return 0;
    const char delimiter =
        static_cast<char>(bytes[0]) == '"' || bytes[0] == '\n' ? ';' : static_cast<char>(bytes[0]);
    const std::string_view data(reinterpret_cast<const char*>(bytes) + 2, size - 2);
    const size_t cut = bytes[1] % (data.size() + 1);

    // Record ends by the one-pass split.
    std::vector<size_t> lineEnds;  // of the records that end with a line end, not with the input
    for (size_t at = 0; at < data.size();) {
        const batch::RecordExtent record = batch::FirstRecord(data.substr(at), delimiter);
        Require(record.next > 0 && record.length <= record.next && record.next <= record.length + 2);
        at += record.next;
        if (record.next > record.length)
            lineEnds.push_back(at);
    }
    // The scanner over two pieces finds the last end in each, counting only ends after a line end.
    batch::RecordScanner scanner(delimiter);
    const size_t first = scanner.LastRecordEnd(data.substr(0, cut));
    const size_t second = scanner.LastRecordEnd(data.substr(cut));
    size_t expectedFirst = 0, expectedLast = 0;
    for (size_t end : lineEnds) {
        if (end <= cut)
            expectedFirst = end;
        expectedLast = end;
    }
    Require(first == expectedFirst);
    Require(second == (expectedLast > cut ? expectedLast - cut : 0));

    batch::CsvFields fields, again;
    std::vector<std::string_view> records;
    for (size_t at = 0; at < data.size();) {
        const batch::RecordExtent record = batch::FirstRecord(data.substr(at), delimiter);
        records.push_back(data.substr(at, record.length));
        at += record.next;
    }
    for (std::string_view record : records) {
        batch::SplitRecord(record, delimiter, fields);
        Require(!fields.values.empty());
        if (fields.Faulty())
            continue;
        std::string written;
        for (size_t i = 0; i < fields.values.size(); ++i) {
            if (i > 0)
                written += delimiter;
            batch::AppendField(written, fields.values[i], delimiter);
        }
        batch::SplitRecord(written, delimiter, again);
        Require(!again.Faulty() && again.values == fields.values);
    }

    if (records.empty())
        return 0;
    batch::SplitRecord(records[0], delimiter, fields);
    batch::HeaderColumns columns;
    if (fields.Faulty() || batch::MapHeader(fields.values, columns))
        return 0;
    static const batch::Catalogue catalogue;  // no file: no classes
    batch::Dialect dialect;
    dialect.delimiter = delimiter;
    dialect.decimal = delimiter == ',' ? '.' : ',';
    batch::RowCalculator calculator(catalogue, columns, dialect);
    std::vector<std::string> rows(records.size());
    for (size_t i = 1; i < records.size(); ++i) {
        calculator.AppendRow(records[i], rows[i]);
        Require(rows[i].compare(0, records[i].size(), records[i]) == 0);
        Require(rows[i].back() == '\n');
    }
    // All read first, then computed the other way round: the same rows.
    batch::RowCalculator staged(catalogue, columns, dialect);
    for (size_t i = 1; i < records.size(); ++i) {
        staged.Read(records[i], i);
        static_cast<void>(staged.GroupKey(records[i]));
    }
    for (size_t i = records.size() - 1; i >= 1; --i) {
        std::string out;
        staged.AppendRead(records[i], i, out);
        Require(out == rows[i]);
    }
    return 0;
}

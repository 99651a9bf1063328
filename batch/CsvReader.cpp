#include "batch/CsvReader.h"

namespace batch {

size_t RecordScanner::LastRecordEnd(std::string_view data) {
    return Feed(data, static_cast<size_t>(-1)).lastEnd;
}

RecordScanner::Scan RecordScanner::Feed(std::string_view data, size_t maxRecords) {
    size_t last = 0;
    size_t records = 0;
    for (size_t i = 0; i < data.size() && records < maxRecords; ++i) {
        const char c = data[i];
        switch (m_state) {
            case State::FieldStart:
            case State::Unquoted:
                if (c == '\n') {
                    last = i + 1;
                    ++records;
                    m_state = State::FieldStart;
                } else if (c == m_delimiter) {
                    m_state = State::FieldStart;
                } else if (c == '"' && m_state == State::FieldStart) {
                    m_state = State::Quoted;
                } else {
                    m_state = State::Unquoted;
                }
                break;
            case State::Quoted:
                if (c == '"')
                    m_state = State::QuoteInQuoted;
                break;
            case State::QuoteInQuoted:
                if (c == '"') {
                    m_state = State::Quoted;
                } else if (c == '\n') {
                    last = i + 1;
                    ++records;
                    m_state = State::FieldStart;
                } else {
                    m_state = c == m_delimiter ? State::FieldStart : State::Unquoted;
                }
                break;
        }
    }
    return {records < maxRecords ? data.size() : last, last, records};
}

RecordExtent FirstRecord(std::string_view data, char delimiter) {
    // Most records hold no quote: their first line end ends them.
    const size_t lineEnd = data.find('\n');
    if (lineEnd != std::string_view::npos && data.substr(0, lineEnd).find('"') == std::string_view::npos) {
        const size_t length = lineEnd > 0 && data[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
        return {length, lineEnd + 1};
    }
    // The states of RecordScanner, in one pass over a whole record.
    bool quoted = false;
    bool fieldStart = true;
    for (size_t i = 0; i < data.size(); ++i) {
        const char c = data[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < data.size() && data[i + 1] == '"') {
                    ++i;
                } else {
                    quoted = false;
                    fieldStart = false;
                }
            }
        } else if (c == '\n') {
            const size_t length = i > 0 && data[i - 1] == '\r' ? i - 1 : i;
            return {length, i + 1};
        } else if (c == delimiter) {
            fieldStart = true;
        } else {
            quoted = c == '"' && fieldStart;
            fieldStart = false;
        }
    }
    return {data.size(), data.size()};
}

void SplitRecord(std::string_view record, char delimiter, CsvFields& fields) {
    size_t count = 0;
    fields.unterminatedQuote = fields.textAfterQuote = fields.quoteInField = false;
    auto next = [&]() -> std::string& {
        if (count == fields.values.size())
            fields.values.emplace_back();
        std::string& value = fields.values[count++];
        value.clear();
        return value;
    };
    size_t i = 0;
    while (true) {
        std::string& value = next();
        if (i < record.size() && record[i] == '"') {
            ++i;
            bool closed = false;
            while (i < record.size()) {
                const char c = record[i++];
                if (c != '"') {
                    value += c;
                } else if (i < record.size() && record[i] == '"') {
                    value += '"';
                    ++i;
                } else {
                    closed = true;
                    break;
                }
            }
            if (!closed)
                fields.unterminatedQuote = true;
            // Text after the closing quote belongs to the field, but makes the record faulty.
            while (i < record.size() && record[i] != delimiter) {
                fields.textAfterQuote = true;
                value += record[i++];
            }
        } else {
            const size_t start = i;
            bool quote = false;
            for (; i < record.size() && record[i] != delimiter; ++i) quote = quote || record[i] == '"';
            value.assign(record.data() + start, i - start);
            if (quote)
                fields.quoteInField = true;
        }
        if (i >= record.size())
            break;
        ++i;  // the delimiter
    }
    fields.values.resize(count);
}

void AppendField(std::string& out, std::string_view value, char delimiter) {
    bool plain = true;
    for (char c : value) plain = plain && c != delimiter && c != '"' && c != '\r' && c != '\n';
    if (plain) {
        out += value;
        return;
    }
    out += '"';
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

}  // namespace batch

#include "batch/RowCalculator.h"

#include <algorithm>
#include <optional>

#include "messages/BatchTexts.h"
#include "platform/Number.h"
#include "record/RecordChecks.h"

namespace batch {

RowCalculator::RowCalculator(const Catalogue& catalogue, const HeaderColumns& columns, const Dialect& dialect)
    : m_catalogue(catalogue),
      m_columns(columns),
      m_dialect(dialect),
      // The texts are numbers: with a delimiter that no number holds they go as they are.
      m_plainNumbers(std::string_view("0123456789+-.,eE").find(dialect.delimiter) == std::string_view::npos),
      m_form(catalogue) {
    for (const std::optional<Column>& cell : columns.cells) {
        m_prefixCells.push_back(cell == Column::Filling || cell == Column::Sought || cell == Column::T ||
                                cell == Column::Rho || cell == Column::G || cell == Column::Class ||
                                cell == Column::Dn);
    }
    // The cells after the last of the prefix do not count.
    while (!m_prefixCells.empty() && !m_prefixCells.back()) m_prefixCells.pop_back();
}

std::uint64_t RowCalculator::GroupKey(std::string_view record) const {
    // FNV-1a over the prefix's cells and the delimiters between them; a quote there ends the look.
    constexpr std::uint64_t kPrime = 1099511628211u;
    constexpr std::uint64_t kBasis = 14695981039346656037u;
    if (m_prefixCells.empty())
        return kBasis;
    std::uint64_t hash = kBasis;
    size_t cell = 0;
    for (const char c : record) {
        if (c == '"')
            return kBasis;
        if (c == m_dialect.delimiter) {
            if (++cell == m_prefixCells.size())
                break;
            hash = (hash ^ 0x100) * kPrime;
        } else if (m_prefixCells[cell]) {
            hash = (hash ^ static_cast<unsigned char>(c)) * kPrime;
        }
    }
    return hash;
}

void AppendHeader(std::string_view header, const Dialect& dialect, std::string& out) {
    out += header;
    for (const ResultColumn& column : ResultColumns()) {
        out += dialect.delimiter;
        AppendField(out, column.name, dialect.delimiter);
    }
    for (const char* name : kCheckColumns) {
        out += dialect.delimiter;
        AppendField(out, name, dialect.delimiter);
    }
    out += dialect.delimiter;
    out += kStatusColumn;
    out += dialect.lineEnd;
}

void RowCalculator::AppendNumber(std::string& out, const std::string& text) const {
    const size_t start = out.size();
    if (m_plainNumbers)
        out += text;
    else
        AppendField(out, text, m_dialect.delimiter);
    if (m_dialect.decimal != '.') {
        char* const end = out.data() + out.size();
        for (char* c = out.data() + start; c != end; ++c) {
            if (*c == '.')
                *c = m_dialect.decimal;
        }
    }
}

void RowCalculator::AppendResults(std::string& out, bool calculated) {
    const std::vector<ResultColumn>& columns = ResultColumns();
    if (!calculated || !m_plainNumbers) {
        for (const ResultColumn& column : columns) {
            out += m_dialect.delimiter;
            if (calculated)
                AppendNumber(out, m_form.Text(column.field));
        }
        return;
    }
    // Unquoted numbers: the cells are sized first and then written in one pass.
    size_t length = columns.size();
    for (const ResultColumn& column : columns) length += m_form.Text(column.field).size();
    const size_t start = out.size();
    out.resize(start + length);
    char* cell = out.data() + start;
    const char delimiter = m_dialect.delimiter;
    const char decimal = m_dialect.decimal;
    for (const ResultColumn& column : columns) {
        *cell++ = delimiter;
        const std::string& text = m_form.Text(column.field);
        const char* const end = text.data() + text.size();
        for (const char* c = text.data(); c != end; ++c) *cell++ = *c == '.' ? decimal : *c;
    }
}

void RowCalculator::AppendChecks(std::string& out, bool calculated) {
    const CPlenwickDoc& record = m_form.Record();
    std::optional<hydraulics::GravityFlowChecks> checks;
    std::optional<hydraulics::LineLoss> line;
    if (calculated && record.IsCalculated()) {
        checks = PartialFillingChecks(record);
        line = RecordLineLoss(record);
    }
    const auto cell = [&](bool exists, double x) {
        out += m_dialect.delimiter;
        if (exists)
            AppendNumber(out, platform::FixedFormat("%f", x));
    };
    cell(checks && checks->state, checks && checks->state ? checks->state->froude : 0);
    cell(checks.has_value(), checks ? checks->selfCleansing.tau : 0);
    cell(line && !line->failed, line ? line->total : 0);
}

bool RowCalculator::AppendRow(std::string_view record, std::string& out) {
    Read(record, 0);
    return AppendRead(record, 0, out);
}

void RowCalculator::Read(std::string_view record, size_t slot) {
    if (slot >= m_read.size())
        m_read.resize(slot + 1);
    ReadRow& row = m_read[slot];
    SplitRecord(record, m_dialect.delimiter, m_fields);
    const size_t width = m_columns.cells.size();
    row.readable = false;
    row.errors.clear();
    row.unterminatedQuote = m_fields.unterminatedQuote;
    row.fieldsWritten = record.empty() ? 1 : m_fields.values.size();
    if (record.empty()) {
        row.errors.push_back(messages::Text(messages::BatchText::EmptyRow));
    } else if (m_fields.Faulty()) {
        if (m_fields.unterminatedQuote)
            row.errors.push_back(messages::Text(messages::BatchText::QuoteOpen));
        if (m_fields.textAfterQuote)
            row.errors.push_back(messages::Text(messages::BatchText::TextAfterQuote));
        if (m_fields.quoteInField)
            row.errors.push_back(messages::Text(messages::BatchText::QuoteInField));
    } else if (m_fields.values.size() != width) {
        std::string count = messages::Filled(messages::BatchText::FieldCount,
                                             {std::to_string(m_fields.values.size()), std::to_string(width)});
        const size_t given = m_fields.values.size();
        if (given < width)
            count += messages::Text(width - given == 1 ? messages::BatchText::OneColumnMissing
                                                       : messages::BatchText::ColumnsMissing);
        for (size_t i = given; i < width; ++i) count += (i == given ? "" : ", ") + m_columns.names[i];
        row.errors.push_back(count);
    } else {
        row.readable = EntriesFromCells(m_fields.values, m_columns, m_catalogue, m_dialect.decimal,
                                        row.entries, row.errors);
    }
}

bool RowCalculator::AppendRead(std::string_view record, size_t slot, std::string& out) {
    const ReadRow& row = m_read[slot];
    const size_t width = m_columns.cells.size();
    const bool computed = row.readable;
    if (computed)
        m_form.Run(row.entries);

    out += record;
    // A quote left open at the end of the input is closed, so that the output stays readable.
    if (row.unterminatedQuote)
        out += '"';
    // A short record is filled up to the header's columns; a long one is kept whole.
    for (size_t i = row.fieldsWritten; i < width; ++i) out += m_dialect.delimiter;
    AppendResults(out, computed);
    AppendChecks(out, computed);

    m_status.clear();
    const std::vector<std::string>& told = computed ? m_form.Messages() : row.errors;
    for (const std::string& text : told) {
        if (!m_status.empty())
            m_status += kStatusSeparator;
        m_status += text;
    }
    // A message of several lines stays on the row's line.
    std::replace(m_status.begin(), m_status.end(), '\n', ' ');
    const bool ok = computed && told.empty() && m_form.Record().IsCalculated();
    if (ok)
        m_status = kStatusOk;
    else if (m_status.empty())
        m_status = messages::Text(messages::BatchText::NotComputed);
    out += m_dialect.delimiter;
    AppendField(out, m_status, m_dialect.delimiter);
    out += m_dialect.lineEnd;
    return ok;
}

}  // namespace batch

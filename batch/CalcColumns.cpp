#include "batch/CalcColumns.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include <strings.h>

#include "batch/FieldText.h"
#include "catalogue/RoughnessChoices.h"
#include "form/model/ControlIds.h"
#include "messages/BatchTexts.h"
#include "platform/Number.h"

namespace batch {

namespace {

struct ColumnNames {
    Column column;
    std::vector<const char*> names;  // the first is the documented one
};

const std::vector<ColumnNames>& KnownColumns() {
    static const std::vector<ColumnNames> columns{
        {Column::Sought, {"gesucht"}},
        {Column::Filling, {"Füllung", "Fuellung"}},
        {Column::Class, {"Klasse"}},
        {Column::Dn, {"DN"}},
        {Column::Di, {"di"}},
        {Column::K, {"k"}},
        {Column::Roughness, {"Rauheit"}},
        {Column::T, {"T"}},
        {Column::Rho, {"rho", "ρ"}},
        {Column::Ny, {"nu", "ny", "ν"}},
        {Column::G, {"g"}},
        {Column::J, {"J"}},
        {Column::V, {"v"}},
        {Column::Q, {"Q"}},
        {Column::Re, {"Re"}},
        {Column::Lambda, {"lambda", "λ"}},
        {Column::A, {"A"}},
        {Column::Ht, {"ht"}},
        {Column::Qt, {"Qt"}},
        {Column::Vt, {"vt"}},
        {Column::L, {"L"}},
        {Column::Zeta, {"zeta", "Σζ"}},
    };
    return columns;
}

// The name part of a header cell: blanks around it and a unit in brackets dropped.
std::string_view HeaderName(std::string_view cell) {
    const size_t bracket = cell.find('[');
    if (bracket != std::string_view::npos)
        cell = cell.substr(0, bracket);
    while (!cell.empty() && (cell.front() == ' ' || cell.front() == '\t')) cell.remove_prefix(1);
    while (!cell.empty() && (cell.back() == ' ' || cell.back() == '\t')) cell.remove_suffix(1);
    return cell;
}

bool SameName(std::string_view a, const char* b) {
    return a.size() == std::char_traits<char>::length(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trimmed(const std::string& cell) {
    size_t begin = 0;
    size_t end = cell.size();
    while (begin < end && IsBlank(cell[begin])) ++begin;
    while (end > begin && IsBlank(cell[end - 1])) --end;
    return cell.substr(begin, end - begin);
}

struct SoughtName {
    const char* name;
    int sought;
};
constexpr SoughtName kSoughtNames[]{{"J", SOUGHT_J},    {"v", SOUGHT_VQ}, {"Q", SOUGHT_VQ},
                                    {"v,Q", SOUGHT_VQ}, {"k", SOUGHT_K},  {"di", SOUGHT_DI}};

const char* SoughtLabel(int sought) {
    switch (sought) {
        case SOUGHT_VQ:
            return "v";
        case SOUGHT_K:
            return "k";
        case SOUGHT_DI:
            return "di";
        default:
            return "J";
    }
}

// The columns the form disables while a parameter is sought.
bool ComputedWhenSought(Column column, int sought) {
    switch (sought) {
        case SOUGHT_J:
            return column == Column::J;
        case SOUGHT_VQ:
            return column == Column::V || column == Column::Q;
        case SOUGHT_K:
            return column == Column::K || column == Column::Roughness;
        case SOUGHT_DI:
            return column == Column::Di || column == Column::Class || column == Column::Dn ||
                   column == Column::A;
        default:
            return false;
    }
}

std::string CellError(Column column, const std::string& cell, const std::string& what) {
    return messages::Filled(messages::BatchText::Cell, {ColumnName(column), cell, what});
}

// The edit distance of two names without regard to case, counted up to limit + 1.
size_t Distance(std::string_view a, std::string_view b, size_t limit) {
    if (a.size() > b.size() + limit || b.size() > a.size() + limit)
        return limit + 1;
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                              std::tolower(static_cast<unsigned char>(b[j - 1]));
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

const char* ColumnName(Column column) {
    for (const ColumnNames& known : KnownColumns()) {
        if (known.column == column)
            return known.names.front();
    }
    return "";
}

std::vector<std::string> LookalikeColumns(const std::vector<std::string>& header,
                                          const HeaderColumns& columns) {
    std::vector<std::string> warnings;
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = HeaderName(header[i]);
        if (columns.cells[i] || name.size() < 3 || name.size() > 40)
            continue;
        for (const ColumnNames& known : KnownColumns()) {
            bool alike = false;
            for (const char* candidate : known.names) {
                const size_t length = std::char_traits<char>::length(candidate);
                alike = alike || (length >= 3 && Distance(name, candidate, 2) <= (length >= 6 ? 2u : 1u));
            }
            if (alike) {
                warnings.push_back(
                    messages::Filled(messages::BatchText::ColumnLike, {name, known.names.front()}));
                break;
            }
        }
    }
    return warnings;
}

std::optional<std::string> MapHeader(const std::vector<std::string>& header, HeaderColumns& columns) {
    columns.names = header;
    columns.cells.assign(header.size(), std::nullopt);
    columns.position.fill(-1);
    for (size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = HeaderName(header[i]);
        for (const ColumnNames& known : KnownColumns()) {
            bool matches = false;
            for (const char* candidate : known.names) matches = matches || SameName(name, candidate);
            if (!matches)
                continue;
            int& position = columns.position[static_cast<size_t>(known.column)];
            if (position >= 0)
                return messages::Filled(messages::BatchText::ColumnTwice, {known.names.front()});
            position = static_cast<int>(i);
            columns.cells[i] = known.column;
            break;
        }
    }
    return std::nullopt;
}

const std::vector<ResultColumn>& ResultColumns() {
    static const std::vector<ResultColumn> columns{
        {"di [mm]", IDC_DI},     {"A [m²]", IDC_A},
        {"v [m/s]", IDC_V},      {"Q [l/s]", IDC_Q_LS},
        {"Q [m³/h]", IDC_Q_M3H}, {"Re", IDC_RE},
        {"lambda", IDC_LAMBDA},  {"J [m/km]", IDC_J},
        {"k [mm]", IDC_K},       {"ht [mm]", IDC_HT},
        {"Qt [l/s]", IDC_QT_LS}, {"Qt [m³/h]", IDC_QT_M3H},
        {"vt [m/s]", IDC_VT},    {"Wasserspiegelbreite [mm]", IDC_SURFACE_WIDTH},
    };
    return columns;
}

bool EntriesFromCells(const std::vector<std::string>& cells, const HeaderColumns& columns,
                      const Catalogue& catalogue, char decimal, RowEntries& entries,
                      std::vector<std::string>& errors) {
    entries = RowEntries();
    errors.clear();
    auto cellOf = [&](Column column) -> const std::string* {
        const int position = columns.position[static_cast<size_t>(column)];
        if (position < 0 || static_cast<size_t>(position) >= cells.size())
            return nullptr;
        const std::string& cell = cells[static_cast<size_t>(position)];
        if (std::all_of(cell.begin(), cell.end(), IsBlank))
            return nullptr;
        return &cell;
    };

    if (const std::string* cell = cellOf(Column::Sought)) {
        const std::string name = Trimmed(*cell);
        bool known = false;
        for (const SoughtName& sought : kSoughtNames) {
            if (SameName(name, sought.name)) {
                entries.sought = sought.sought;
                known = true;
            }
        }
        if (!known)
            errors.push_back(
                CellError(Column::Sought, *cell, messages::Text(messages::BatchText::CellNotSought)));
    }
    if (const std::string* cell = cellOf(Column::Filling)) {
        const std::string name = Trimmed(*cell);
        if (SameName(name, "teil") || SameName(name, "Teilfüllung") || SameName(name, "Teilfuellung"))
            entries.partialFilling = true;
        else if (!(SameName(name, "voll") || SameName(name, "Vollfüllung") || SameName(name, "Vollfuellung")))
            errors.push_back(
                CellError(Column::Filling, *cell, messages::Text(messages::BatchText::CellNotFilling)));
    }

    // Every other column given must be one the form lets the user enter.
    for (size_t i = 0; i < static_cast<size_t>(Column::Count); ++i) {
        const Column column = static_cast<Column>(i);
        if (!cellOf(column))
            continue;
        if (ComputedWhenSought(column, entries.sought)) {
            errors.push_back(messages::Filled(messages::BatchText::ColumnComputed,
                                              {ColumnName(column), SoughtLabel(entries.sought)}));
        }
    }

    int pipeClass = catalogue.classes.empty() ? -1 : 0;
    if (const std::string* cell = cellOf(Column::Class)) {
        entries.classIndex = FindClass(catalogue, Trimmed(*cell));
        if (entries.classIndex < 0)
            errors.push_back(
                CellError(Column::Class, *cell, messages::Text(messages::BatchText::CellClassUnknown)));
        pipeClass = entries.classIndex;
    }
    if (const std::string* cell = cellOf(Column::Dn)) {
        if (pipeClass >= 0) {
            const CatalogueClass& found = catalogue.classes[static_cast<size_t>(pipeClass)];
            entries.dnIndex = FindDn(found, Trimmed(*cell));
            if (entries.dnIndex < 0)
                errors.push_back(
                    CellError(Column::Dn, *cell,
                              messages::Filled(messages::BatchText::CellDnNotInClass, {found.name})));
        } else if (entries.classIndex == -1 && catalogue.classes.empty()) {
            errors.push_back(
                CellError(Column::Dn, *cell, messages::Text(messages::BatchText::CellDnWithoutClasses)));
        }
    }
    if (const std::string* cell = cellOf(Column::Roughness)) {
        const std::string text = Trimmed(*cell);
        const int count = static_cast<int>(RoughnessChoices().size());
        if (text.size() == 1 && text[0] >= '0' && text[0] < '0' + count)
            entries.roughness = text[0] - '0';
        else
            errors.push_back(CellError(
                Column::Roughness, *cell,
                messages::Filled(messages::BatchText::CellNotRoughness, {std::to_string(count - 1)})));
    }

    struct Typed {
        Column column;
        std::optional<std::string> RowEntries::*entry;
    };
    static constexpr Typed kTyped[]{
        {Column::T, &RowEntries::T},   {Column::Rho, &RowEntries::rho},       {Column::G, &RowEntries::g},
        {Column::Di, &RowEntries::di}, {Column::K, &RowEntries::k},           {Column::V, &RowEntries::v},
        {Column::Q, &RowEntries::Q},   {Column::Ny, &RowEntries::ny},         {Column::Re, &RowEntries::Re},
        {Column::J, &RowEntries::J},   {Column::Lambda, &RowEntries::lambda}, {Column::A, &RowEntries::A},
    };
    std::string typed;
    for (const Typed& field : kTyped) {
        if (const std::string* cell = cellOf(field.column)) {
            if (TypedNumberText(*cell, decimal, typed))
                entries.*field.entry = typed;
            else
                errors.push_back(
                    CellError(field.column, *cell, messages::Text(messages::BatchText::CellNotNumber)));
        }
    }
    constexpr struct {
        Column column;
        double RowEntries::*entry;
    } kLine[]{{Column::L, &RowEntries::L}, {Column::Zeta, &RowEntries::sumZeta}};
    for (const auto& line : kLine) {
        const std::string* cell = cellOf(line.column);
        if (!cell)
            continue;
        const double value = TypedNumberText(*cell, decimal, typed) ? platform::LeadingNumber(typed) : -1;
        if (value >= 0 && std::isfinite(value))
            entries.*line.entry = value;
        else
            errors.push_back(
                CellError(line.column, *cell, messages::Text(messages::BatchText::CellNotNonNegative)));
    }
    if (entries.k && entries.roughness > kManualRoughness)
        errors.push_back(
            messages::Filled(messages::BatchText::KOnlyManual, {std::to_string(kManualRoughness)}));

    constexpr struct {
        Column column;
        hydraulics::PartialQuantity quantity;
    } kPartial[]{{Column::Ht, hydraulics::PartialQuantity::Ht},
                 {Column::Qt, hydraulics::PartialQuantity::Qt},
                 {Column::Vt, hydraulics::PartialQuantity::Vt}};
    for (const auto& partial : kPartial) {
        const std::string* cell = cellOf(partial.column);
        if (!cell)
            continue;
        if (!entries.partialFilling) {
            errors.push_back(
                messages::Filled(messages::BatchText::PartialOnly, {ColumnName(partial.column)}));
        } else if (entries.partial) {
            errors.push_back(messages::Filled(messages::BatchText::PartialOne, {ColumnName(partial.column)}));
        } else if (TypedNumberText(*cell, decimal, typed)) {
            entries.partial = partial.quantity;
            entries.partialText = typed;
        } else {
            errors.push_back(
                CellError(partial.column, *cell, messages::Text(messages::BatchText::CellNotNumber)));
        }
    }
    return errors.empty();
}

}  // namespace batch

// The columns of a calculation file: the header names the tool knows (matched without regard to case;
// a unit in brackets after the name is allowed), what a row's cells enter into the form, and the result
// columns it writes.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/Catalogue.h"
#include "batch/RowDriver.h"

namespace batch {

enum class Column {
    Sought,     // "gesucht": J, v (v and Q), k, di
    Filling,    // "Füllung": voll, teil
    Class,      // "Klasse"
    Dn,         // "DN"
    Di,         // "di" [mm]
    K,          // "k" [mm]
    Roughness,  // "Rauheit": position in the roughness list
    T,          // "T" [°C]
    Rho,        // "rho" [kg/m³]
    Ny,         // "nu" [10⁻⁶ m²/s]
    G,          // "g" [m/s²]
    J,          // "J" [m/km]
    V,          // "v" [m/s]
    Q,          // "Q" [l/s]
    Re,         // "Re"
    Lambda,     // "lambda"
    A,          // "A" [m²]
    Ht,         // "ht" [mm]
    Qt,         // "Qt" [l/s]
    Vt,         // "vt" [m/s]
    L,          // "L" [m]: length of the pressure line
    Zeta,       // "zeta": Σζ of its fittings
    Count
};

// The header name of a column, as the documentation lists it.
const char* ColumnName(Column column);

// Which known column each header cell is (none for a column the tool passes through); the error text
// of a header that names a known column twice.
struct HeaderColumns {
    std::vector<std::string> names;  // as the header writes them
    std::vector<std::optional<Column>> cells;
    std::array<int, static_cast<size_t>(Column::Count)> position;  // -1: not in the file
};
std::optional<std::string> MapHeader(const std::vector<std::string>& header, HeaderColumns& columns);

// Warnings for header cells that name no known column but look like one (a letter off, an umlaut
// written otherwise), each naming the cell and the column it may mean.
std::vector<std::string> LookalikeColumns(const std::vector<std::string>& header,
                                          const HeaderColumns& columns);

// The result columns after the input columns: names, and the form's fields they show.
struct ResultColumn {
    const char* name;
    int field;  // control id
};
const std::vector<ResultColumn>& ResultColumns();
inline constexpr const char* kStatusColumn = "Status";
// The columns of the flow checks after the form's values, before the status: Fr and τ of a result in
// partial filling, the line's head loss hv of a result in full filling with L or zeta given.
inline constexpr std::array<const char*, 3> kCheckColumns{"Fr", "τ [N/m²]", "hv [m]"};
inline constexpr const char* kStatusOk = "ok";

// The entries of a row, or the texts of its faulty cells (each naming the column and the cell).
bool EntriesFromCells(const std::vector<std::string>& cells, const HeaderColumns& columns,
                      const Catalogue& catalogue, char decimal, RowEntries& entries,
                      std::vector<std::string>& errors);

}  // namespace batch

#include "app/script/SizingTranscript.h"

#include <array>

#include "hydraulics/Units.h"
#include "platform/Number.h"
#include "platform/headless/Transcript.h"

namespace {

// The names of the columns after DN, up to the verdict.
constexpr std::array<const char*, 9> kGravityNames{"di", "Qv", "vv", "Q/Qv", "ht", "h/d", "vt", "Fr", "tau"};
constexpr std::array<const char*, 7> kPressureNames{"di", "v", "Re", "lambda", "J", "hv100", "hv"};

std::string Heading(const sizing::Table& table) {
    const sizing::Criteria& c = table.criteria;
    if (table.mode == sizing::FlowMode::Gravity) {
        return "sizing gravity " + headless::Quote(table.className) +
               platform::Format(" Q=%g J=%g vmin=%g vmax=%g hd=%g taumin=%g", table.QLs, table.JMkm, c.vMin,
                                c.vMax, c.hdMax, c.tauMin);
    }
    return "sizing pressure " + headless::Quote(table.className) +
           platform::Format(" Q=%g vmin=%g vmax=%g L=%g zeta=%g", table.QLs, c.vMin, c.vMax, table.L,
                            table.sumZeta) +
           (c.hvMax ? platform::Format(" hvmax=%g", *c.hvMax) : std::string(" hvmax=-"));
}

template <size_t N>
std::string Values(const std::vector<std::string>& cells, const std::array<const char*, N>& names) {
    std::string values;
    for (size_t i = 0; i < N; ++i)
        values += std::string(" ") + names[i] + "=" + (cells[i + 1].empty() ? "-" : cells[i + 1]);
    return values;
}

}  // namespace

std::vector<std::string> SizingTranscript(const sizing::Table& table) {
    std::vector<std::string> lines{Heading(table)};
    for (size_t i = 0; i < table.rows.size(); ++i) {
        const sizing::Row& row = table.rows[i];
        const std::vector<std::string> cells = sizing::RowCells(table, i, '.');
        std::string line = "sizing row " + row.dn +
                           (table.mode == sizing::FlowMode::Gravity ? Values(cells, kGravityNames)
                                                                    : Values(cells, kPressureNames));
        line += row.Passes() ? std::string(" ok") : " fails " + headless::Quote(sizing::Verdict(table, i));
        lines.push_back(line);
    }
    lines.push_back("sizing recommendation " + (table.recommended < 0
                                                    ? std::string("none")
                                                    : table.rows[static_cast<size_t>(table.recommended)].dn));
    return lines;
}

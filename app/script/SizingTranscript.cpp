#include "app/script/SizingTranscript.h"

#include "hydraulics/Units.h"
#include "platform/Number.h"
#include "platform/headless/Transcript.h"

namespace {

using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMetrePerKilometre;
using hydraulics::units::kMillimetre;

std::string Value(bool exists, const char* name, const char* format, double x) {
    return std::string(" ") + name + "=" + (exists ? platform::Format(format, x) : std::string("-"));
}

std::string Heading(const sizing::Table& table) {
    const sizing::Criteria& c = table.criteria;
    const double QLs = table.Q * kLitrePerSecond.toDisplay;
    if (table.mode == sizing::FlowMode::Gravity) {
        return "sizing gravity " + headless::Quote(table.className) +
               platform::Format(" Q=%g J=%g vmin=%g vmax=%g hd=%g", QLs, table.I * kMetrePerKilometre.toDisplay,
                                c.vMin, c.vMax, c.hdMax);
    }
    return "sizing pressure " + headless::Quote(table.className) +
           platform::Format(" Q=%g vmin=%g vmax=%g", QLs, c.vMin, c.vMax);
}

}  // namespace

std::vector<std::string> SizingTranscript(const sizing::Table& table) {
    std::vector<std::string> lines{Heading(table)};
    for (size_t i = 0; i < table.rows.size(); ++i) {
        const sizing::Row& row = table.rows[i];
        std::string line = "sizing row " + row.dn + Value(row.di > 0, "di", "%.2f", row.di * kMillimetre.toDisplay);
        if (table.mode == sizing::FlowMode::Gravity) {
            const bool partial = row.hasValues && !row.overloaded;
            line += Value(row.hasValues, "Qv", "%.2f", row.Qv * kLitrePerSecond.toDisplay);
            line += Value(row.hasValues, "vv", "%.2f", row.vv);
            line += Value(row.hasValues, "Q/Qv", "%.2f", row.ratio);
            line += Value(partial, "ht", "%.1f", row.ht * kMillimetre.toDisplay);
            line += Value(partial, "h/d", "%.2f", row.hd);
            line += Value(partial, "vt", "%.2f", row.vt);
        } else {
            line += Value(row.hasValues, "v", "%.2f", row.v);
            line += Value(row.hasValues, "Re", "%.0f", row.Re);
            line += Value(row.hasValues, "lambda", "%.4f", row.lambda);
            line += Value(row.hasValues, "J", "%.3f", row.I * kMetrePerKilometre.toDisplay);
            line += Value(row.hasValues, "hv100", "%.3f", row.I * 100);
        }
        line += row.Passes() ? std::string(" ok") : " fails " + headless::Quote(sizing::Verdict(table, i));
        lines.push_back(line);
    }
    lines.push_back("sizing recommendation " +
                    (table.recommended < 0 ? std::string("none")
                                           : table.rows[static_cast<size_t>(table.recommended)].dn));
    return lines;
}

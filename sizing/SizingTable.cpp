#include "sizing/SizingTable.h"

#include <algorithm>
#include <cmath>

#include "form/PlenwickView.h"
#include "form/model/ControlIds.h"
#include "form/model/PipeDiameter.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/EntryLimits.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "messages/SizingTexts.h"
#include "platform/Number.h"
#include "record/PlenwickDoc.h"

namespace sizing {

namespace {

using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMetrePerKilometre;
using hydraulics::units::kMillimetre;

// Below this Reynolds number the flow is not turbulent and the Prandtl-Colebrook law does not hold.
constexpr double kTurbulentReynolds = 2350;
// The form takes a flow entry only when it changes Q by more than this [m³/s] (after a DN pick Q is 0).
constexpr double kSmallestFlow = 0.00001;

// The tabs of the sought parameter, by position.
constexpr int kSlopeTab = 0;
constexpr int kVelocityAndFlowTab = 1;

// A number as the form reads it back: the shortest text that gives the same double.
std::string ExactText(double x) {
    return platform::Format("%.17g", x);
}

std::string WithComma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// A number for a cell or a reason: "nicht berechenbar" when it is not finite, in exponent form when the
// format would make it longer than a cell holds.
std::string FittingNumber(const char* format, double x) {
    if (!std::isfinite(x))
        return messages::Text(messages::MessageId::NotComputable);
    const std::string text = platform::Format(format, x);
    return text.size() <= 12 ? text : platform::Format("%.3e", x);
}

// Velocities and h/d are shown with two decimals; a criterion is checked on the value as shown.
double AsShown(double x) {
    return std::round(x * 100) / 100;
}

// A criterion crossed, e.g. "vt 0,42 < vmin 0,50 m/s": the value as shown, the limit with two decimals
// or as many as it has.
std::string Crossed(const char* quantity, double value, const char* relation, const char* limitName,
                    double limit, const char* unit) {
    const char* limitFormat = AsShown(limit) == limit ? "%.2f" : "%g";
    return WithComma(platform::Format("%s %s %s %s ", quantity, FittingNumber("%.2f", value).c_str(),
                                      relation, limitName) +
                     FittingNumber(limitFormat, limit) + unit);
}

void CheckVelocity(Row& row, const char* name, double v, const Criteria& criteria) {
    if (AsShown(v) < criteria.vMin)
        row.reasons.push_back(Crossed(name, v, "<", "vmin", criteria.vMin, " m/s"));
    if (AsShown(v) > criteria.vMax)
        row.reasons.push_back(Crossed(name, v, ">", "vmax", criteria.vMax, " m/s"));
}

// Near-critical flow and too little wall shear stress, on the values as shown.
void CheckGravityCriteria(Row& row, const Criteria& criteria) {
    if (row.froude && hydraulics::RegimeOf(AsShown(*row.froude)) == hydraulics::FlowRegime::NearCritical) {
        row.reasons.push_back(WithComma(platform::Format(messages::Text(messages::SizingText::NearCritical),
                                                         *row.froude, hydraulics::kNearCriticalBand.low,
                                                         hydraulics::kNearCriticalBand.high)));
    }
    if (AsShown(row.selfCleansing.tau) < criteria.tauMin)
        row.reasons.push_back(Crossed("τ", row.selfCleansing.tau, "<", "τmin", criteria.tauMin, " N/m²"));
}

void CheckTurbulent(Row& row, double Re) {
    if (Re < kTurbulentReynolds)
        row.reasons.push_back(platform::Format(messages::Text(messages::SizingText::NotTurbulent),
                                               FittingNumber("%.0f", Re).c_str()));
}

void ComputeGravityRow(Row& row, const Table& table) {
    const Conditions& c = table.conditions;
    const hydraulics::VelocityAndFlowResult full =
        hydraulics::SolveVelocityAndFlow({row.di, c.k, table.I, c.g, c.ny});
    if (full.status.failedCheck) {
        row.reasons.push_back(messages::InputCheckMessage(*full.status.failedCheck));
        return;
    }
    if (full.status.outOfLimits) {
        row.reasons.push_back(messages::LimitBreachMessage(*full.status.outOfLimits));
        return;
    }
    if (!full.hasFlow) {
        row.reasons.push_back(messages::Text(messages::SizingText::DiTooSmallForFlow));
        return;
    }
    row.hasValues = true;
    row.Qv = full.Q;
    row.vv = full.v;
    row.ratio = table.Q / full.Q;
    if (full.hasReynolds)
        CheckTurbulent(row, full.Re);
    if (table.Q > full.Q) {
        row.overloaded = true;
        row.reasons.insert(row.reasons.begin(), messages::Text(messages::SizingText::Overloaded));
        return;
    }
    // The exact section for the table, the fitted relations as the form completes them from a typed Qt.
    row.fitted = hydraulics::CompareFittedFilling({row.di, c.k, c.ny, c.g, table.I}, full.Q, full.v,
                                                  hydraulics::PartialQuantity::Qt, table.Q);
    if (!row.fitted.exact) {
        row.reasons.push_back(messages::Text(messages::SizingText::PartialNotFound));
        return;
    }
    row.ht = row.fitted.exact->ht;
    row.hd = row.ht / row.di;
    row.vt = row.fitted.exact->vt;
    row.froude = hydraulics::FroudeNumber(table.Q, row.di, row.ht, c.g);
    row.selfCleansing = hydraulics::CheckSelfCleansing(
        hydraulics::WallShearStressAt(c.rho, c.g, row.di, row.ht, table.I), table.criteria.tauMin);
    std::vector<std::string> crossed;
    std::swap(crossed, row.reasons);
    CheckVelocity(row, "vt", row.vt, table.criteria);
    if (AsShown(row.hd) > table.criteria.hdMax)
        row.reasons.push_back(Crossed("h/d", row.hd, ">", "h/d max", table.criteria.hdMax, ""));
    CheckGravityCriteria(row, table.criteria);
    row.reasons.insert(row.reasons.end(), crossed.begin(), crossed.end());
}

void ComputePressureRow(Row& row, const Table& table) {
    const Conditions& c = table.conditions;
    if (row.di <= hydraulics::kMinFlowDiameter) {
        row.reasons.push_back(messages::Text(messages::SizingText::DiTooSmallForFlow));
        return;
    }
    // As the form derives them from a typed Q.
    row.v = hydraulics::VelocityFromFlow(table.Q, row.di);
    row.Re = c.ny > 0 ? hydraulics::Reynolds(row.v, row.di, c.ny) : 0;
    const hydraulics::SlopeResult slope = hydraulics::SolveSlope({row.di, c.k, row.Re, row.v, c.g});
    if (slope.status.failedCheck) {
        row.reasons.push_back(messages::InputCheckMessage(*slope.status.failedCheck));
        return;
    }
    row.hasValues = true;
    row.lambda = slope.iteration.lambda;
    row.I = slope.I;
    CheckVelocity(row, "v", row.v, table.criteria);
    CheckTurbulent(row, row.Re);
    if (slope.iteration.ReachedStepLimit()) {
        row.reasons.push_back(messages::NonConvergenceMessage(hydraulics::TruncateToInt(row.Re), c.k, row.di,
                                                              slope.iteration.steps));
    }
    if (slope.status.outOfLimits)
        row.reasons.push_back(messages::LimitBreachMessage(*slope.status.outOfLimits));
    if (table.L > 0 || table.sumZeta > 0) {
        row.lineLoss = hydraulics::LineLossOf({row.I, table.L, table.sumZeta, row.v, c.g});
        const std::optional<double>& hvMax = table.criteria.hvMax;
        if (hvMax && AsShown(row.lineLoss->total) > *hvMax)
            row.reasons.push_back(Crossed("hv", row.lineLoss->total, ">", "hv max", *hvMax, " m"));
    }
}

// The row of the DN as the form shows it: the first row of the class with that DN.
const PipeRow& FirstWithDn(const std::vector<PipeRow>& pipes, const PipeRow& pipe) {
    const int dn = platform::LeadingInteger(pipe.DN);
    for (const PipeRow& candidate : pipes) {
        if (platform::LeadingInteger(candidate.DN) == dn)
            return candidate;
    }
    return pipe;
}

std::string JoinedReasons(const Row& row) {
    std::string joined;
    for (const std::string& reason : row.reasons) {
        if (!joined.empty())
            joined += "; ";
        joined += reason;
    }
    return joined;
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Joined(const std::vector<std::string>& cells, const char* separator,
                   std::string (*field)(const std::string&)) {
    std::string line;
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += separator;
        line += field(cells[i]);
    }
    return line;
}

std::string Verbatim(const std::string& text) {
    return text;
}

}  // namespace

Criteria DefaultCriteria(FlowMode mode) {
    constexpr double tauMin = hydraulics::kDefaultMinWallShearStress;
    return mode == FlowMode::Gravity ? Criteria{0.5, 6.0, 0.7, tauMin, std::nullopt}
                                     : Criteria{0.5, 2.0, 1.0, tauMin, std::nullopt};
}

const char* CriteriaSourceText() {
    return messages::Text(messages::SizingText::CriteriaSource);
}

FlowMode ModeOf(const Design& design) {
    return design.JMkm > 0 ? FlowMode::Gravity : FlowMode::Pressure;
}

std::optional<std::string> CheckDesign(const Design& design) {
    if (!(design.QLs * kLitrePerSecond.toSi >= kSmallestFlow) || !std::isfinite(design.QLs))
        return messages::Text(messages::SizingText::FlowMissing);
    if (!std::isfinite(design.JMkm) || design.JMkm < 0)
        return messages::Text(messages::SizingText::SlopeInvalid);
    const Criteria defaults = DefaultCriteria(ModeOf(design));
    const double vMin = design.vMin.value_or(defaults.vMin);
    const double vMax = design.vMax.value_or(defaults.vMax);
    const double hdMax = design.hdMax.value_or(defaults.hdMax);
    if (!std::isfinite(vMin) || !std::isfinite(vMax) || vMin < 0 || vMax < vMin)
        return messages::Text(messages::SizingText::VelocitiesInvalid);
    if (!(hdMax > 0 && hdMax <= 1))
        return messages::Text(messages::SizingText::FillingInvalid);
    if (!(design.tauMin.value_or(defaults.tauMin) >= 0))
        return messages::Text(messages::SizingText::TauMinInvalid);
    if (!(design.L >= 0 && design.sumZeta >= 0 && std::isfinite(design.L) && std::isfinite(design.sumZeta)))
        return messages::Text(messages::SizingText::LineInvalid);
    if (design.hvMax && !(*design.hvMax >= 0))
        return messages::Text(messages::SizingText::HvMaxInvalid);
    return std::nullopt;
}

Table ComputeTable(const std::string& className, const std::vector<PipeRow>& pipes,
                   const Conditions& conditions, const Design& design) {
    Table table;
    table.mode = ModeOf(design);
    table.className = className;
    table.conditions = conditions;
    const Criteria defaults = DefaultCriteria(table.mode);
    table.criteria = {design.vMin.value_or(defaults.vMin), design.vMax.value_or(defaults.vMax),
                      design.hdMax.value_or(defaults.hdMax), design.tauMin.value_or(defaults.tauMin),
                      table.mode == FlowMode::Pressure ? design.hvMax : std::nullopt};
    table.QLs = design.QLs;
    table.Q = design.QLs * kLitrePerSecond.toSi;
    if (table.mode == FlowMode::Pressure) {
        table.L = design.L;
        table.sumZeta = design.sumZeta;
    }
    if (table.mode == FlowMode::Gravity) {
        // The form keeps a typed J within its entry limits.
        const hydraulics::EntryCheck slope =
            hydraulics::CheckEntry(design.JMkm * kMetrePerKilometre.toSi, hydraulics::kSlopeEntry);
        table.JMkm = slope.clamped ? slope.value * kMetrePerKilometre.toDisplay : design.JMkm;
        table.I = table.JMkm * kMetrePerKilometre.toSi;
    }
    table.rows.reserve(pipes.size());
    for (const PipeRow& listed : pipes) {
        const PipeRow& pipe = FirstWithDn(pipes, listed);
        Row row;
        row.dn = listed.DN;
        if (!pipe.da || !pipe.s || !pipe.ZMA) {
            row.reasons.push_back(messages::Text(messages::SizingText::PipeDataIncomplete));
            table.rows.push_back(std::move(row));
            continue;
        }
        row.di = CatalogueInnerDiameterMm(platform::LeadingNumber(*pipe.da), platform::LeadingNumber(*pipe.s),
                                          platform::LeadingNumber(*pipe.ZMA)) *
                 kMillimetre.toSi;
        if (table.mode == FlowMode::Gravity) {
            ComputeGravityRow(row, table);
        } else {
            ComputePressureRow(row, table);
        }
        table.rows.push_back(std::move(row));
    }
    for (size_t i = 0; i < table.rows.size(); ++i) {
        if (!table.rows[i].Passes())
            continue;
        if (table.recommended < 0 ||
            platform::LeadingInteger(table.rows[i].dn) <
                platform::LeadingInteger(table.rows[static_cast<size_t>(table.recommended)].dn)) {
            table.recommended = static_cast<int>(i);
        }
    }
    return table;
}

Table ComputeTableForForm(const CPlenwickView& view, const Design& design) {
    const CPlenwickDoc& doc = *view.GetDocument();
    const Conditions conditions{doc.GetNy(), doc.GetG(), doc.GetK(), doc.GetT(), doc.GetRho()};
    const platform::ListControl& classes = view.List(IDC_CLASS);
    if (classes.GetCurSel() < 0)
        return ComputeTable(std::string(), {}, conditions, design);
    const std::string className = classes.GetLBText(classes.GetCurSel());
    return ComputeTable(className, SettingsFile().ReadClassRows(className), conditions, design);
}

std::optional<std::string> FittedDifferenceNote(const Table& table, const Row& row) {
    if (table.mode != FlowMode::Gravity || !row.fitted.Differs() || !row.fitted.exact)
        return std::nullopt;
    const hydraulics::PartialValues& fitted = row.fitted.fitted;
    const auto decimal = [](const char* format, double x) { return WithComma(platform::Format(format, x)); };
    return platform::Format(
        messages::Text(messages::SizingText::FittedDifference),
        decimal("%g", hydraulics::kFittedFillingTolerance * 100).c_str(), row.dn.c_str(),
        decimal("%.1f", fitted.ht * kMillimetre.toDisplay).c_str(), decimal("%.2f", fitted.vt).c_str(),
        decimal("%.1f", row.ht * kMillimetre.toDisplay).c_str(), decimal("%.2f", row.vt).c_str());
}

Design DesignFromForm(const CPlenwickView& view) {
    const CPlenwickDoc& doc = *view.GetDocument();
    Design design;
    const bool partial = !doc.IsFullFilling();
    const double Q = partial && doc.GetQt() > 0 ? doc.GetQt() : doc.GetQ();
    design.QLs = Q > 0 ? Q * kLitrePerSecond.toDisplay : 0;
    if (partial && doc.GetI() > 0)
        design.JMkm = doc.GetI() * kMetrePerKilometre.toDisplay;
    return design;
}

bool TakeOverRow(CPlenwickView& view, const Table& table, const Row& row) {
    const platform::ListControl& classes = view.List(IDC_CLASS);
    if (!row.hasValues || classes.GetCurSel() < 0 ||
        classes.GetLBText(classes.GetCurSel()) != table.className)
        return false;
    const std::vector<std::string>& entries = view.List(IDC_DN).Entries();
    const auto entry = std::find(entries.begin(), entries.end(), row.dn);
    if (entry == entries.end())
        return false;

    platform::ControlSet& form = view.Controls();
    const bool gravity = table.mode == FlowMode::Gravity;
    form.UserClick(gravity ? IDC_PARTIAL_FILLING : IDC_FULL_FILLING);
    // The sought parameter first: it enables the pipe lists again.
    form.UserSelectTab(IDC_SOUGHT, gravity ? kVelocityAndFlowTab : kSlopeTab);
    form.UserPick(IDC_DN, static_cast<int>(entry - entries.begin()));
    form.UserClick(IDC_CLEAR);
    if (gravity) {
        form.UserType(IDC_J, ExactText(table.JMkm));
        form.UserType(IDC_QT_LS, ExactText(table.QLs));
    } else {
        form.UserType(IDC_Q_LS, ExactText(table.QLs));
    }
    form.UserLeave();
    // The line goes with a row in pressure flow, so that the design sheet states its head loss.
    CPlenwickDoc& doc = *view.GetDocument();
    doc.SetLineLength(table.L);
    doc.SetLossSum(table.sumZeta);
    return true;
}

std::vector<std::string> HeaderCells(FlowMode mode) {
    if (mode == FlowMode::Gravity)
        return {"DN",
                "di [mm]",
                "Qv [l/s]",
                "vv [m/s]",
                "Q/Qv",
                "ht [mm]",
                "h/d",
                "vt [m/s]",
                "Fr",
                "τ [N/m²]",
                messages::Text(messages::SizingText::VerdictColumn)};
    return {"DN",           "di [mm]", "v [m/s]",
            "Re",           "λ",       "J [m/km]",
            "hv [m/100 m]", "hv [m]",  messages::Text(messages::SizingText::VerdictColumn)};
}

std::vector<std::string> RowCells(const Table& table, size_t index, char decimal) {
    const Row& row = table.rows[index];
    std::vector<std::string> cells{row.dn};
    const auto add = [&](bool exists, const char* format, double x) {
        std::string cell = exists ? FittingNumber(format, x) : std::string();
        std::replace(cell.begin(), cell.end(), '.', decimal);
        cells.push_back(std::move(cell));
    };
    add(row.di > 0, "%.2f", row.di * kMillimetre.toDisplay);
    const bool partial = row.hasValues && !row.overloaded && row.fitted.exact;
    if (table.mode == FlowMode::Gravity) {
        add(row.hasValues, "%.2f", row.Qv * kLitrePerSecond.toDisplay);
        add(row.hasValues, "%.2f", row.vv);
        add(row.hasValues, "%.2f", row.ratio);
        add(partial, "%.1f", row.ht * kMillimetre.toDisplay);
        add(partial, "%.2f", row.hd);
        add(partial, "%.2f", row.vt);
        add(partial && row.froude, "%.2f", row.froude.value_or(0));
        add(partial, "%.2f", row.selfCleansing.tau);
    } else {
        add(row.hasValues, "%.2f", row.v);
        add(row.hasValues, "%.0f", row.Re);
        add(row.hasValues, "%.4f", row.lambda);
        add(row.hasValues, "%.3f", row.I * kMetrePerKilometre.toDisplay);
        add(row.hasValues, "%.3f", row.I * 100);
        add(row.hasValues && row.lineLoss, "%.2f", row.lineLoss ? row.lineLoss->total : 0);
    }
    cells.push_back(Verdict(table, index));
    return cells;
}

size_t CheckColumnCount(FlowMode mode) {
    return mode == FlowMode::Gravity ? 2 : 1;
}

std::string Verdict(const Table& table, size_t index) {
    if (static_cast<int>(index) == table.recommended)
        return messages::Text(messages::SizingText::Recommended);
    const Row& row = table.rows[index];
    return row.Passes() ? messages::Text(messages::SizingText::Met) : JoinedReasons(row);
}

std::string DesignSummary(const Table& table) {
    if (table.mode == FlowMode::Gravity) {
        return WithComma(platform::Format(messages::Text(messages::SizingText::GravitySummary),
                                          table.className.c_str(), table.QLs, table.JMkm, table.criteria.vMin,
                                          table.criteria.vMax, table.criteria.hdMax, table.criteria.tauMin));
    }
    std::string summary =
        platform::Format(messages::Text(messages::SizingText::PressureSummary), table.className.c_str(),
                         table.QLs, table.criteria.vMin, table.criteria.vMax);
    if (table.L > 0 || table.sumZeta > 0)
        summary +=
            platform::Format(messages::Text(messages::SizingText::LineSummary), table.L, table.sumZeta);
    if (table.criteria.hvMax)
        summary +=
            platform::Format(messages::Text(messages::SizingText::HvMaxSummary), *table.criteria.hvMax);
    return WithComma(summary);
}

std::vector<std::string> InputLines(const Table& table, const platform::LocalTime& when) {
    const Conditions& c = table.conditions;
    std::vector<std::string> lines{
        platform::Format(messages::Text(messages::SizingText::Title), table.className.c_str(), when.day,
                         when.month, when.year, when.hour, when.minute),
        WithComma(platform::Format(
            "T = %s °C, ρ = %s kg/m³, ν = %s ·10⁻⁶ m²/s, g = %s m/s², k = %s mm",
            FittingNumber("%.1f", c.T).c_str(), FittingNumber("%g", c.rho).c_str(),
            FittingNumber("%.6f", c.ny * hydraulics::units::kMicroSquareMetrePerSecond.toDisplay).c_str(),
            FittingNumber("%g", c.g).c_str(), FittingNumber("%g", c.k * kMillimetre.toDisplay).c_str())),
        DesignSummary(table)};
    if (table.mode == FlowMode::Gravity) {
        lines.push_back(messages::Text(messages::SizingText::ExactNote));
    }
    return lines;
}

std::string CopyText(const Table& table, const platform::LocalTime& when) {
    std::string text;
    for (const std::string& line : InputLines(table, when)) text += line + "\n";
    text += Joined(HeaderCells(table.mode), "\t", Verbatim) + "\n";
    for (size_t i = 0; i < table.rows.size(); ++i) text += Joined(RowCells(table, i), "\t", Verbatim) + "\n";
    return text;
}

std::string CsvText(const Table& table, const platform::LocalTime& when) {
    std::string text = "\xEF\xBB\xBF";
    for (const std::string& line : InputLines(table, when)) text += CsvField(line) + "\r\n";
    text += "\r\n" + Joined(HeaderCells(table.mode), ";", CsvField) + "\r\n";
    for (size_t i = 0; i < table.rows.size(); ++i) text += Joined(RowCells(table, i), ";", CsvField) + "\r\n";
    return text;
}

}  // namespace sizing

#include "form/FillingCurves.h"

#include <cmath>
#include <string_view>

#include "hydraulics/Formulas.h"
#include "record/PlenwickDoc.h"
#include "hydraulics/Units.h"
#include "messages/CurveTexts.h"
#include "messages/MessageTexts.h"
#include "platform/Number.h"

namespace {

using hydraulics::FillingRatios;

FillingRatios FittedRatios(double x) {
    return {hydraulics::PartialFlowRatio(1.0, x), hydraulics::PartialVelocityRatio(1.0, x)};
}

FillingCurvePoint PointAt(double x, const hydraulics::CircularSection& section) {
    FillingCurvePoint point{x, FittedRatios(x), std::nullopt, std::nullopt};
    if (section.IsDefined()) {
        point.exact = section.Ratios(x);
        const double froude = section.Froude(x);
        if (std::isfinite(froude))
            point.froude = froude;
    }
    return point;
}

// The fillings between neighbouring steps at which Fr crosses 1, by bisection.
constexpr double kCriticalFillingWidth = 1e-10;
std::vector<double> CriticalFillings(const std::vector<FillingCurvePoint>& points,
                                     const hydraulics::CircularSection& section) {
    std::vector<double> fillings;
    for (size_t i = 1; i < points.size(); ++i) {
        const FillingCurvePoint &before = points[i - 1], &after = points[i];
        if (!before.froude || !after.froude || (*before.froude < 1) == (*after.froude < 1))
            continue;
        double low = before.filling, high = after.filling;
        const bool rising = *before.froude < 1;
        while (high - low > kCriticalFillingWidth) {
            const double middle = (low + high) / 2;
            ((section.Froude(middle) < 1) == rising ? low : high) = middle;
        }
        fillings.push_back((low + high) / 2);
    }
    return fillings;
}

std::vector<std::string> MissingInputs(const CPlenwickDoc& record) {
    const std::pair<const char*, double> inputs[] = {
        {"di", record.GetDi()}, {"k", record.GetK()}, {"ν", record.GetNy()},
        {"g", record.GetG()},   {"J", record.GetI()},
    };
    std::vector<std::string> missing;
    for (const auto& [name, value] : inputs) {
        if (!(value > 0))
            missing.emplace_back(name);
    }
    return missing;
}

// A number as shown to the user: printf format, decimal comma; "nicht berechenbar" when it is not
// finite, in exponent form when the format would make it longer than 16 characters.
std::string Shown(const char* format, double value) {
    if (!std::isfinite(value))
        return messages::Text(messages::MessageId::NotComputable);
    std::string text = platform::FixedFormat(format, value);
    if (text.size() > 16)
        text = platform::Format("%.3e", value);
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

std::string Joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

OperatingPointRow Row(const char* quantity, const char* format, double fitted, std::optional<double> exact) {
    OperatingPointRow row{quantity, Shown(format, fitted), "", ""};
    if (exact) {
        row.exact = Shown(format, *exact);
        if (*exact > 0 && std::isfinite(*exact) && std::isfinite(fitted))
            row.deviation = Shown("%+.1f %%", (fitted / *exact - 1) * 100);
    }
    return row;
}

}  // namespace

FillingCurves ComputeFillingCurves(const CPlenwickDoc& record) {
    FillingCurves curves;
    curves.missing = MissingInputs(record);
    curves.pipe = {record.GetDi(), record.GetK(), record.GetNy(), record.GetG(), record.GetI()};
    // With an input missing the section stays undefined: a k of 0 would otherwise count as smooth.
    hydraulics::PipeAtSlope usable = curves.pipe;
    if (!curves.missing.empty())
        usable.I = 0;
    const hydraulics::CircularSection section(usable);
    if (section.IsDefined()) {
        curves.flowPeak = section.FlowPeak();
        curves.velocityPeak = section.VelocityPeak();
    }
    curves.points.reserve(kFillingCurveSteps + 1);
    for (int i = 0; i <= kFillingCurveSteps; ++i)
        curves.points.push_back(PointAt(i / static_cast<double>(kFillingCurveSteps), section));
    curves.criticalFillings = CriticalFillings(curves.points, section);
    curves.flow = record.GetQ() > 0 ? record.GetQ() : 0.0;
    curves.velocity = record.GetV() > 0 ? record.GetV() : 0.0;
    if (record.GetHt() > 0 && record.GetDi() > 0) {
        FillingCurvePoint point = PointAt(record.GetHt() / record.GetDi(), section);
        // The form's Qt and vt: the value the user gave as given, the others as the fitted relations
        // derive them from it (from Qt and vt they give ht by their inverse, not exactly the point).
        if (curves.flow > 0 && record.GetQt() > 0)
            point.fitted.flow = record.GetQt() / curves.flow;
        if (curves.velocity > 0 && record.GetVt() > 0)
            point.fitted.velocity = record.GetVt() / curves.velocity;
        curves.operatingPoint = point;
    }
    return curves;
}

std::string FillingCurvesConditions(const FillingCurves& curves) {
    using namespace hydraulics::units;
    return "di = " + Shown("%.2f", curves.pipe.di * kMillimetre.toDisplay) +
           " mm, k = " + Shown("%.3f", curves.pipe.k * kMillimetre.toDisplay) +
           " mm, J = " + Shown("%.3f", curves.pipe.I * kMetrePerKilometre.toDisplay) + " m/km";
}

std::string ExactCurvesNote(const FillingCurves& curves) {
    if (curves.HasExact()) {
        return messages::Filled(
            messages::CurveText::Peaks,
            {Shown("%.4f", curves.flowPeak->ratio), Shown("%.3f", curves.flowPeak->filling),
             Shown("%.4f", curves.velocityPeak->ratio), Shown("%.3f", curves.velocityPeak->filling)});
    }
    if (!curves.missing.empty())
        return messages::Filled(messages::CurveText::ExactMissing, {Joined(curves.missing, ", ")});
    return messages::Text(messages::CurveText::NoVelocity);
}

std::string CriticalFillingNote(const FillingCurves& curves) {
    if (!curves.HasExact())
        return std::string();
    if (curves.criticalFillings.empty())
        return messages::Text(messages::CurveText::NeverCritical);
    std::vector<std::string> fillings;
    for (double x : curves.criticalFillings) fillings.push_back(Shown("%.3f", x));
    return messages::Filled(messages::CurveText::CriticalAt, {Joined(fillings, "; ")});
}

std::string FillingCurveTable(const FillingCurves& curves) {
    std::string table = messages::Text(messages::CurveText::TableHeader);
    for (const FillingCurvePoint& point : curves.points) {
        table += Shown("%.2f", point.filling) + '\t' + Shown("%.6f", point.fitted.flow) + '\t' +
                 Shown("%.6f", point.fitted.velocity) + '\t';
        if (point.exact)
            table += Shown("%.6f", point.exact->flow) + '\t' + Shown("%.6f", point.exact->velocity);
        else
            table += '\t';
        table += '\t';
        if (point.froude)
            table += Shown("%.6f", *point.froude);
        table += '\n';
    }
    return table;
}

std::string OperatingPointHeading(const FillingCurves& curves) {
    if (!curves.operatingPoint)
        return std::string();
    return messages::Filled(messages::CurveText::OperatingPointHeading,
                            {Shown("%.3f", curves.operatingPoint->filling)});
}

std::string OperatingPointSources() {
    return messages::Text(messages::CurveText::OperatingPointSources);
}

std::vector<OperatingPointRow> OperatingPointRows(const FillingCurves& curves) {
    std::vector<OperatingPointRow> rows;
    if (!curves.operatingPoint)
        return rows;
    const FillingCurvePoint& point = *curves.operatingPoint;
    const auto exact = [&point](double FillingRatios::*ratio, double scale) -> std::optional<double> {
        if (!point.exact)
            return std::nullopt;
        return (*point.exact).*ratio * scale;
    };
    rows.push_back(Row("Qt/Q", "%.4f", point.fitted.flow, exact(&FillingRatios::flow, 1)));
    rows.push_back(Row("vt/v", "%.4f", point.fitted.velocity, exact(&FillingRatios::velocity, 1)));
    const double litres = hydraulics::units::kLitrePerSecond.toDisplay;
    if (curves.flow > 0) {
        rows.push_back(Row("Qt [l/s]", "%.2f", point.fitted.flow * curves.flow * litres,
                           exact(&FillingRatios::flow, curves.flow * litres)));
    }
    if (curves.velocity > 0) {
        rows.push_back(Row("vt [m/s]", "%.3f", point.fitted.velocity * curves.velocity,
                           exact(&FillingRatios::velocity, curves.velocity)));
    }
    return rows;
}

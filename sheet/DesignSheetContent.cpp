#include "sheet/DesignSheetContent.h"

#include <cmath>
#include <string>

#include "catalogue/RoughnessChoices.h"
#include "sheet/DesignSheetChecks.h"
#include "form/FillingCurves.h"
#include "form/PlenwickView.h"
#include "form/model/ControlIds.h"
#include "form/model/PipeDiameter.h"
#include "hydraulics/Calculations.h"
#include "hydraulics/Formulas.h"
#include "hydraulics/SoughtParameter.h"
#include "hydraulics/Units.h"
#include "record/PlenwickDoc.h"
#include "report/SheetNumbers.h"

namespace {

using namespace hydraulics::units;
using report::FixedText;
using report::SignificantText;

constexpr const char* kNoValue = "–";
constexpr const char* kRatioUnit = "–";
// The catalogue di is shown with two decimals: closer than this [mm] it is the same di.
constexpr double kSameDiMm = 0.005;

bool IsGiven(double x) {
    return std::isfinite(x) && x > 0;
}

// The value as shown, "–" when it is not given, "nicht berechenbar" when it is not finite.
std::string Shown(double x, std::string (*format)(double, int), int digits) {
    return IsGiven(x) || !std::isfinite(x) ? format(x, digits) : kNoValue;
}

// The one or two sought quantities, as the result box names them.
const char* SoughtName(int sought) {
    switch (sought) {
        case SOUGHT_J:
            return "Gefälle J";
        case SOUGHT_VQ:
            return "Fließgeschwindigkeit v und Durchfluss Q";
        case SOUGHT_K:
            return "Wandrauhigkeit k";
        case SOUGHT_DI:
            return "Innendurchmesser di";
        default:
            return "kein Parameter";
    }
}

// How the sought value was computed.
std::string SoughtFormula(const CPlenwickDoc& doc) {
    using hydraulics::DiameterRule;
    switch (doc.GetSought()) {
        case SOUGHT_J:
            return "Gesucht J: λ iterativ aus Re, k und di, dann I aus λ und v.";
        case SOUGHT_VQ:
            return "Gesucht v und Q: λ = 1 / (−2 · lg(2,51 · ν / √(2 · g · I "
                   "· di³) + k / (3,71 · di)))², v = √(2 · g · I · di / λ).";
        case SOUGHT_K:
            return "Gesucht k: λ = 2 · g · I · di / v², k = 3,71 · di · "
                   "(10^(−1 / (2 · √λ)) − 2,51 / (Re · √λ)).";
        case SOUGHT_DI:
            break;
        default:
            return "";
    }
    const hydraulics::DiameterResult solved = hydraulics::SolveDiameter(
        {doc.GetNy(), doc.GetRe(), doc.GetLambda(), doc.GetI(), doc.GetQ(), doc.GetV(), doc.GetG()});
    switch (solved.rule) {
        case DiameterRule::LambdaSlopeVelocity:
            return "Gesucht di: di = λ / I · v² / (2 · g).";
        case DiameterRule::LambdaSlopeFlow:
            return "Gesucht di: di = (8 · λ · Q² / (g · I · π²))^0,2.";
        case DiameterRule::ReynoldsVelocity:
            return "Gesucht di: di = Re · ν / v.";
        case DiameterRule::ReynoldsFlow:
            return "Gesucht di: di = 4 · Q / (Re · ν · π).";
        case DiameterRule::FlowVelocity:
            return "Gesucht di: di = √(4 · Q / (π · v)).";
        case DiameterRule::NotEnoughValues:
            break;
    }
    return "Gesucht di: nicht genügend Werte.";
}

std::vector<std::string> Basis(const CPlenwickDoc& doc) {
    return {
        "Widerstandsbeiwert nach Prandtl-Colebrook: 1 / √λ = −2 · lg(2,51 / (Re · "
        "√λ) + k / (3,71 · di))",
        "Fließgesetz nach Darcy-Weisbach: I = λ / di · v² / (2 · g) mit dem Gefälle J = "
        "1000 · I [m/km]; Re = v · di / ν; Q = π / 4 · di² · v",
        SoughtFormula(doc),
        "Kinematische Zähigkeit aus T und ρ: ν = 0,001779 / (ρ · (1 + 0,03368 · T + "
        "0,000221 · T²))"};
}

std::string ListText(const platform::ListControl& list) {
    return list.GetCurSel() >= 0 ? list.GetLBText(list.GetCurSel()) : list.GetEditText();
}

// Everything the sheet shows of one quantity.
struct Quantity {
    const char* name;
    const char* symbol;
    std::string value;
    const char* unit;
};

SheetValue Row(const Quantity& q, bool result) {
    return {std::string(q.name) + " " + q.symbol, q.value, q.unit, result};
}

std::string ResultText(const Quantity& q) {
    return std::string(q.name) + " " + q.symbol + " = " + q.value + " " + q.unit;
}

class SheetBuilder {
  public:
    explicit SheetBuilder(const CPlenwickView& view)
        : m_view(view),
          m_doc(*view.GetDocument()),
          m_sought(m_doc.GetSought()),
          m_calculated(m_doc.IsCalculated()) {}

    DesignSheetContent Build();

  private:
    bool IsResult(int sought) const { return m_calculated && m_sought == sought; }
    Quantity Di() const {
        return {"Innendurchmesser", "di", Shown(m_doc.GetDi() * kMillimetre.toDisplay, FixedText, 2), "mm"};
    }
    Quantity K() const {
        return {"Wandrauhigkeit", "k", Shown(m_doc.GetK() * kMillimetre.toDisplay, SignificantText, 3), "mm"};
    }
    Quantity J() const {
        return {"Gefälle", "J", Shown(m_doc.GetI() * kMetrePerKilometre.toDisplay, SignificantText, 4),
                "m/km"};
    }
    Quantity V() const {
        return {"Fließgeschwindigkeit", "v", Shown(m_doc.GetV(), SignificantText, 4), "m/s"};
    }
    Quantity QLs() const {
        return {"Durchfluss", "Q", Shown(m_doc.GetQ() * kLitrePerSecond.toDisplay, SignificantText, 4),
                "l/s"};
    }
    Quantity QM3h() const {
        return {"Durchfluss", "Q", Shown(m_doc.GetQ() * kCubicMetrePerHour.toDisplay, SignificantText, 4),
                "m³/h"};
    }

    SheetBlock Pipe() const;
    SheetBlock Fluid() const;
    SheetBlock Roughness() const;
    SheetBlock FullFilling() const;
    SheetBlock PartialFilling() const;
    // The form's note that its fitted values leave the exact section, with a blank before it; empty
    // without one.
    std::string FittedNote() const;
    SheetCurves Curves() const;
    void Results(DesignSheetContent& sheet) const;

    const CPlenwickView& m_view;
    const CPlenwickDoc& m_doc;
    int m_sought;
    bool m_calculated;
};

SheetBlock SheetBuilder::Pipe() const {
    SheetBlock block{"Rohr", {}, {}, ""};
    const std::string className = ListText(m_view.List(IDC_CLASS));
    const std::string dn = ListText(m_view.List(IDC_DN));
    if (!className.empty())
        block.values.push_back({"Wanddickenklasse", className, "", false});
    if (!dn.empty())
        block.values.push_back({"Nennweite", "DN " + dn, "", false});
    const double da = m_view.Number(IDC_DA), s = m_view.Number(IDC_S), zma = m_view.Number(IDC_ZMA);
    block.values.push_back(Row({"Außendurchmesser", "da", Shown(da, FixedText, 1), "mm"}, false));
    block.values.push_back(Row({"Wanddicke", "s", Shown(s, FixedText, 1), "mm"}, false));
    block.values.push_back(Row({"Zementmörtelauskleidung", "ZMA", Shown(zma, FixedText, 1), "mm"}, false));
    block.values.push_back(Row(Di(), IsResult(SOUGHT_DI)));
    const double catalogueDi = CatalogueInnerDiameterMm(da, s, zma);
    if (IsGiven(da) && std::fabs(catalogueDi - m_doc.GetDi() * kMillimetre.toDisplay) >= kSameDiMm) {
        block.note = std::string(m_sought == SOUGHT_DI ? "di ist berechnet" : "di ist frei vorgegeben") +
                     "; das gewählte Rohr hat di = da − 2 · (s + ZMA) = " + FixedText(catalogueDi, 2) +
                     " mm.";
    }
    return block;
}

SheetBlock SheetBuilder::Fluid() const {
    return {"Fluid",
            {Row({"Fluidtemperatur", "T", Shown(m_doc.GetT(), FixedText, 1), "°C"}, false),
             Row({"Dichte", "ρ", Shown(m_doc.GetRho(), SignificantText, 4), "kg/m³"}, false),
             Row({"Kinematische Zähigkeit", "ν",
                  Shown(m_doc.GetNy() * kMicroSquareMetrePerSecond.toDisplay, SignificantText, 4), "mm²/s"},
                 false),
             Row({"Erdbeschleunigung", "g", Shown(m_doc.GetG(), FixedText, 2), "m/s²"}, false)},
            {},
            ""};
}

SheetBlock SheetBuilder::Roughness() const {
    SheetBlock block{"Wandrauhigkeit", {Row(K(), IsResult(SOUGHT_K))}, {}, ""};
    if (m_sought == SOUGHT_K) {
        block.lines.push_back("Ansatz: berechnet aus Gefälle und Fließgeschwindigkeit");
        return block;
    }
    // The choice names the k only while k is its value; a k typed over a preset is the user's own.
    const platform::ListControl& list = m_view.List(IDC_ROUGHNESS);
    const std::vector<RoughnessChoice>& choices = RoughnessChoices();
    const int position = list.GetCurSel();
    const bool named =
        position >= 0 && position < static_cast<int>(choices.size()) &&
        (position == kManualRoughness ||
         std::fabs(choices[static_cast<size_t>(position)].kMm - m_doc.GetK() * kMillimetre.toDisplay) < 1e-9);
    block.lines.push_back("Ansatz: " + (named ? list.GetLBText(position) : std::string("frei eingegeben")));
    return block;
}

SheetBlock SheetBuilder::FullFilling() const {
    const bool flowResult = IsResult(SOUGHT_VQ);
    const double area = hydraulics::AreaFromDiameter(m_doc.GetDi());
    SheetBlock block{
        "Vollfüllung",
        {Row(J(), IsResult(SOUGHT_J)), Row(V(), flowResult), Row(QLs(), flowResult), Row(QM3h(), flowResult),
         Row({"Fließquerschnitt", "A", Shown(area, SignificantText, 4), "m²"}, IsResult(SOUGHT_DI)),
         Row({"Reynoldszahl", "Re", Shown(m_doc.GetRe(), FixedText, 0), kRatioUnit}, flowResult),
         Row({"Widerstandsbeiwert", "λ", Shown(m_doc.GetLambda(), SignificantText, 4), kRatioUnit},
             m_calculated && m_sought != SOUGHT_DI)},
        {},
        ""};
    block.note = m_calculated
                     ? "Fett: Ergebnis der Berechnung; die übrigen Werte sind Vorgaben oder folgen aus ihnen."
                     : "Kein Ergebnis berechnet: alle Werte sind Eingaben.";
    return block;
}

SheetBlock SheetBuilder::PartialFilling() const {
    // The quantity the user gave is an input; the others follow from it.
    const std::optional<hydraulics::PartialQuantity> given = m_view.GivenPartialQuantity();
    const auto derived = [&](hydraulics::PartialQuantity q) { return m_calculated && given && *given != q; };
    using hydraulics::PartialQuantity;
    const double di = m_doc.GetDi(), ht = m_doc.GetHt();
    const double filling = IsGiven(di) ? ht / di : 0;
    return {
        "Teilfüllung",
        {Row({"Füllhöhe", "ht", Shown(ht * kMillimetre.toDisplay, FixedText, 1), "mm"},
             derived(PartialQuantity::Ht)),
         Row({"Füllungsgrad", "h/d", Shown(filling, FixedText, 3), kRatioUnit}, derived(PartialQuantity::Ht)),
         Row({"Durchfluss", "Qt", Shown(m_doc.GetQt() * kLitrePerSecond.toDisplay, SignificantText, 4),
              "l/s"},
             derived(PartialQuantity::Qt)),
         Row({"Durchfluss", "Qt", Shown(m_doc.GetQt() * kCubicMetrePerHour.toDisplay, SignificantText, 4),
              "m³/h"},
             derived(PartialQuantity::Qt)),
         Row({"Fließgeschwindigkeit", "vt", Shown(m_doc.GetVt(), SignificantText, 4), "m/s"},
             derived(PartialQuantity::Vt)),
         Row({"Wasserspiegelbreite", "b",
              Shown(m_doc.GetSurfaceWidth() * kMillimetre.toDisplay, FixedText, 1), "mm"},
             m_calculated && given.has_value())},
        {},
        "Qt und vt nach den angepassten Teilfüllungsbeziehungen des Kreisquerschnitts; ab h/d ≥ " +
            FixedText(hydraulics::kFullFillingRatio, 2) + " gilt Qt = Q und vt = v." + FittedNote()};
}

std::string SheetBuilder::FittedNote() const {
    const std::string note = m_view.ResultNote();
    return note.empty() ? note : " " + note;
}

SheetCurves SheetBuilder::Curves() const {
    const FillingCurves curves = ComputeFillingCurves(m_doc);
    SheetCurves sheet;
    for (const FillingCurvePoint& point : curves.points) {
        sheet.fitted.push_back({point.filling, point.fitted.flow, point.fitted.velocity});
        if (point.exact)
            sheet.exact.push_back({point.filling, point.exact->flow, point.exact->velocity});
    }
    if (curves.operatingPoint) {
        const FillingCurvePoint& point = *curves.operatingPoint;
        sheet.operatingPoint = SheetCurvePoint{point.filling, point.fitted.flow, point.fitted.velocity};
    }
    sheet.notes = {
        "Exakt: Kreisquerschnitt nach Prandtl-Colebrook mit dem hydraulischen Durchmesser 4R bei " +
            FillingCurvesConditions(curves) + ".",
        ExactCurvesNote(curves)};
    if (curves.operatingPoint)
        sheet.notes.push_back("Betriebspunkt: " + OperatingPointSources());
    return sheet;
}

void SheetBuilder::Results(DesignSheetContent& sheet) const {
    if (!m_calculated)
        return;
    switch (m_sought) {
        case SOUGHT_J:
            sheet.results = {ResultText(J())};
            break;
        case SOUGHT_VQ:
            sheet.results = {ResultText(V()), ResultText(QLs()) + " (" + QM3h().value + " m³/h)"};
            break;
        case SOUGHT_K:
            sheet.results = {ResultText(K())};
            break;
        case SOUGHT_DI:
            sheet.results = {ResultText(Di())};
            break;
        default:
            break;
    }
    if (!m_doc.IsFullFilling() && IsGiven(m_doc.GetHt())) {
        sheet.partialResults = {
            "ht = " + FixedText(m_doc.GetHt() * kMillimetre.toDisplay, 1) + " mm",
            "Qt = " + Shown(m_doc.GetQt() * kLitrePerSecond.toDisplay, SignificantText, 4) + " l/s",
            "vt = " + Shown(m_doc.GetVt(), SignificantText, 4) + " m/s"};
    }
}

DesignSheetContent SheetBuilder::Build() {
    DesignSheetContent sheet;
    sheet.project = m_doc.GetProjectHeader();
    sheet.task = std::string("gesucht: ") + SoughtName(m_sought) + " · " +
                 (m_doc.IsFullFilling() ? "Vollfüllung" : "Teilfüllung");
    Results(sheet);
    sheet.pipe = Pipe();
    sheet.fluid = Fluid();
    sheet.roughness = Roughness();
    sheet.fullFilling = FullFilling();
    if (!m_doc.IsFullFilling()) {
        sheet.partialFilling = PartialFilling();
        sheet.curves = Curves();
    }
    sheet.checks = DesignSheetChecks(m_doc);
    sheet.basis = Basis(m_doc);
    return sheet;
}

}  // namespace

DesignSheetContent DesignSheetOf(const CPlenwickView& view) {
    return SheetBuilder(view).Build();
}

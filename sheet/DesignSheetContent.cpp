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
#include "messages/SheetTexts.h"
#include "record/PlenwickDoc.h"
#include "report/SheetNumbers.h"

namespace {

using namespace hydraulics::units;
using messages::Filled;
using messages::SheetText;
using messages::Text;
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
            return Text(SheetText::SoughtJ);
        case SOUGHT_VQ:
            return Text(SheetText::SoughtVQ);
        case SOUGHT_K:
            return Text(SheetText::SoughtK);
        case SOUGHT_DI:
            return Text(SheetText::SoughtDi);
        default:
            return Text(SheetText::SoughtNone);
    }
}

// How the sought value was computed.
std::string SoughtFormula(const CPlenwickDoc& doc) {
    using hydraulics::DiameterRule;
    switch (doc.GetSought()) {
        case SOUGHT_J:
            return Text(SheetText::FormulaJ);
        case SOUGHT_VQ:
            return Text(SheetText::FormulaVQ);
        case SOUGHT_K:
            return Text(SheetText::FormulaK);
        case SOUGHT_DI:
            break;
        default:
            return "";
    }
    const hydraulics::DiameterResult solved = hydraulics::SolveDiameter(
        {doc.GetNy(), doc.GetRe(), doc.GetLambda(), doc.GetI(), doc.GetQ(), doc.GetV(), doc.GetG()});
    switch (solved.rule) {
        case DiameterRule::LambdaSlopeVelocity:
            return Text(SheetText::FormulaDiLambdaVelocity);
        case DiameterRule::LambdaSlopeFlow:
            return Text(SheetText::FormulaDiLambdaFlow);
        case DiameterRule::ReynoldsVelocity:
            return Text(SheetText::FormulaDiReynoldsVelocity);
        case DiameterRule::ReynoldsFlow:
            return Text(SheetText::FormulaDiReynoldsFlow);
        case DiameterRule::FlowVelocity:
            return Text(SheetText::FormulaDiFlowVelocity);
        case DiameterRule::NotEnoughValues:
            break;
    }
    return Text(SheetText::FormulaDiMissing);
}

std::vector<std::string> Basis(const CPlenwickDoc& doc) {
    return {Text(SheetText::BasisFriction), Text(SheetText::BasisFlowLaw), SoughtFormula(doc),
            Text(SheetText::BasisViscosity)};
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
        return {Text(SheetText::InnerDiameter), "di",
                Shown(m_doc.GetDi() * kMillimetre.toDisplay, FixedText, 2), "mm"};
    }
    Quantity K() const {
        return {Text(SheetText::Roughness), "k",
                Shown(m_doc.GetK() * kMillimetre.toDisplay, SignificantText, 3), "mm"};
    }
    Quantity J() const {
        return {Text(SheetText::Slope), "J",
                Shown(m_doc.GetI() * kMetrePerKilometre.toDisplay, SignificantText, 4), "m/km"};
    }
    Quantity V() const {
        return {Text(SheetText::Velocity), "v", Shown(m_doc.GetV(), SignificantText, 4), "m/s"};
    }
    Quantity QLs() const {
        return {Text(SheetText::Flow), "Q",
                Shown(m_doc.GetQ() * kLitrePerSecond.toDisplay, SignificantText, 4), "l/s"};
    }
    Quantity QM3h() const {
        return {Text(SheetText::Flow), "Q",
                Shown(m_doc.GetQ() * kCubicMetrePerHour.toDisplay, SignificantText, 4), "m³/h"};
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
    SheetBlock block{Text(SheetText::PipeBlock), {}, {}, ""};
    const std::string className = ListText(m_view.List(IDC_CLASS));
    const std::string dn = ListText(m_view.List(IDC_DN));
    if (!className.empty())
        block.values.push_back({Text(SheetText::PipeClass), className, "", false});
    if (!dn.empty())
        block.values.push_back({Text(SheetText::NominalDiameter), "DN " + dn, "", false});
    const double da = m_view.Number(IDC_DA), s = m_view.Number(IDC_S), zma = m_view.Number(IDC_ZMA);
    block.values.push_back(Row({Text(SheetText::OuterDiameter), "da", Shown(da, FixedText, 1), "mm"}, false));
    block.values.push_back(Row({Text(SheetText::WallThickness), "s", Shown(s, FixedText, 1), "mm"}, false));
    block.values.push_back(Row({Text(SheetText::Lining), "ZMA", Shown(zma, FixedText, 1), "mm"}, false));
    block.values.push_back(Row(Di(), IsResult(SOUGHT_DI)));
    const double catalogueDi = CatalogueInnerDiameterMm(da, s, zma);
    if (IsGiven(da) && std::fabs(catalogueDi - m_doc.GetDi() * kMillimetre.toDisplay) >= kSameDiMm) {
        block.note = Filled(SheetText::CatalogueDi,
                            {Text(m_sought == SOUGHT_DI ? SheetText::DiComputed : SheetText::DiGiven),
                             FixedText(catalogueDi, 2)});
    }
    return block;
}

SheetBlock SheetBuilder::Fluid() const {
    return {Text(SheetText::FluidBlock),
            {Row({Text(SheetText::Temperature), "T", Shown(m_doc.GetT(), FixedText, 1), "°C"}, false),
             Row({Text(SheetText::Density), "ρ", Shown(m_doc.GetRho(), SignificantText, 4), "kg/m³"}, false),
             Row({Text(SheetText::Viscosity), "ν",
                  Shown(m_doc.GetNy() * kMicroSquareMetrePerSecond.toDisplay, SignificantText, 4), "mm²/s"},
                 false),
             Row({Text(SheetText::Gravity), "g", Shown(m_doc.GetG(), FixedText, 2), "m/s²"}, false)},
            {},
            ""};
}

SheetBlock SheetBuilder::Roughness() const {
    SheetBlock block{Text(SheetText::Roughness), {Row(K(), IsResult(SOUGHT_K))}, {}, ""};
    if (m_sought == SOUGHT_K) {
        block.lines.push_back(Text(SheetText::RoughnessComputed));
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
    block.lines.push_back(Filled(SheetText::RoughnessApproach,
                                 {named ? list.GetLBText(position) : Text(SheetText::RoughnessTyped)}));
    return block;
}

SheetBlock SheetBuilder::FullFilling() const {
    const bool flowResult = IsResult(SOUGHT_VQ);
    const double area = hydraulics::AreaFromDiameter(m_doc.GetDi());
    SheetBlock block{
        Text(SheetText::FullFillingBlock),
        {Row(J(), IsResult(SOUGHT_J)), Row(V(), flowResult), Row(QLs(), flowResult), Row(QM3h(), flowResult),
         Row({Text(SheetText::Area), "A", Shown(area, SignificantText, 4), "m²"}, IsResult(SOUGHT_DI)),
         Row({Text(SheetText::Reynolds), "Re", Shown(m_doc.GetRe(), FixedText, 0), kRatioUnit}, flowResult),
         Row({Text(SheetText::FrictionFactor), "λ", Shown(m_doc.GetLambda(), SignificantText, 4), kRatioUnit},
             m_calculated && m_sought != SOUGHT_DI)},
        {},
        ""};
    block.note = Text(m_calculated ? SheetText::ResultsBold : SheetText::NoResultInputs);
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
        Text(SheetText::PartialFillingBlock),
        {Row({Text(SheetText::FillingHeight), "ht", Shown(ht * kMillimetre.toDisplay, FixedText, 1), "mm"},
             derived(PartialQuantity::Ht)),
         Row({Text(SheetText::FillingRatio), "h/d", Shown(filling, FixedText, 3), kRatioUnit},
             derived(PartialQuantity::Ht)),
         Row({Text(SheetText::Flow), "Qt",
              Shown(m_doc.GetQt() * kLitrePerSecond.toDisplay, SignificantText, 4), "l/s"},
             derived(PartialQuantity::Qt)),
         Row({Text(SheetText::Flow), "Qt",
              Shown(m_doc.GetQt() * kCubicMetrePerHour.toDisplay, SignificantText, 4), "m³/h"},
             derived(PartialQuantity::Qt)),
         Row({Text(SheetText::Velocity), "vt", Shown(m_doc.GetVt(), SignificantText, 4), "m/s"},
             derived(PartialQuantity::Vt)),
         Row({Text(SheetText::SurfaceWidth), "b",
              Shown(m_doc.GetSurfaceWidth() * kMillimetre.toDisplay, FixedText, 1), "mm"},
             m_calculated && given.has_value())},
        {},
        Filled(SheetText::PartialNote, {FixedText(hydraulics::kFullFillingRatio, 2)}) + FittedNote()};
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
    sheet.notes = {Filled(SheetText::ExactCurves, {FillingCurvesConditions(curves)}),
                   ExactCurvesNote(curves)};
    if (curves.operatingPoint)
        sheet.notes.push_back(Filled(SheetText::OperatingPoint, {OperatingPointSources()}));
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
    sheet.task = Filled(SheetText::Task,
                        {SoughtName(m_sought), Text(m_doc.IsFullFilling() ? SheetText::FullFillingBlock
                                                                          : SheetText::PartialFillingBlock)});
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

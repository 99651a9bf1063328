#include "messages/SheetTexts.h"

#include "messages/TextTable.h"

namespace messages {

namespace {

constexpr TextTable<SheetText> kTable{{
    {SheetText::Slope, "Gefälle"},
    {SheetText::Velocity, "Fließgeschwindigkeit"},
    {SheetText::Flow, "Durchfluss"},
    {SheetText::InnerDiameter, "Innendurchmesser"},
    {SheetText::Roughness, "Wandrauhigkeit"},
    {SheetText::OuterDiameter, "Außendurchmesser"},
    {SheetText::WallThickness, "Wanddicke"},
    {SheetText::Lining, "Zementmörtelauskleidung"},
    {SheetText::Temperature, "Fluidtemperatur"},
    {SheetText::Density, "Dichte"},
    {SheetText::Viscosity, "Kinematische Zähigkeit"},
    {SheetText::Gravity, "Erdbeschleunigung"},
    {SheetText::Area, "Fließquerschnitt"},
    {SheetText::Reynolds, "Reynoldszahl"},
    {SheetText::FrictionFactor, "Widerstandsbeiwert"},
    {SheetText::FillingHeight, "Füllhöhe"},
    {SheetText::FillingRatio, "Füllungsgrad"},
    {SheetText::SurfaceWidth, "Wasserspiegelbreite"},
    {SheetText::PipeClass, "Wanddickenklasse"},
    {SheetText::NominalDiameter, "Nennweite"},
    {SheetText::PartialVelocity, "Teilfüllungsgeschw."},
    {SheetText::TurbulentFlow, "Turbulente Strömung"},
    {SheetText::CalculationLimit, "Berechnungsgrenze"},

    {SheetText::PipeBlock, "Rohr"},
    {SheetText::FluidBlock, "Fluid"},
    {SheetText::FullFillingBlock, "Vollfüllung"},
    {SheetText::PartialFillingBlock, "Teilfüllung"},

    {SheetText::Task, "gesucht: %s · %s"},
    {SheetText::SoughtJ, "Gefälle J"},
    {SheetText::SoughtVQ, "Fließgeschwindigkeit v und Durchfluss Q"},
    {SheetText::SoughtK, "Wandrauhigkeit k"},
    {SheetText::SoughtDi, "Innendurchmesser di"},
    {SheetText::SoughtNone, "kein Parameter"},

    {SheetText::FormulaJ, "Gesucht J: λ iterativ aus Re, k und di, dann I aus λ und v."},
    {SheetText::FormulaVQ,
     "Gesucht v und Q: λ = 1 / (−2 · lg(2,51 · ν / √(2 · g · I · di³) + k / (3,71 · di)))², "
     "v = √(2 · g · I · di / λ)."},
    {SheetText::FormulaK,
     "Gesucht k: λ = 2 · g · I · di / v², k = 3,71 · di · (10^(−1 / (2 · √λ)) − 2,51 / (Re · √λ))."},
    {SheetText::FormulaDiLambdaVelocity, "Gesucht di: di = λ / I · v² / (2 · g)."},
    {SheetText::FormulaDiLambdaFlow, "Gesucht di: di = (8 · λ · Q² / (g · I · π²))^0,2."},
    {SheetText::FormulaDiReynoldsVelocity, "Gesucht di: di = Re · ν / v."},
    {SheetText::FormulaDiReynoldsFlow, "Gesucht di: di = 4 · Q / (Re · ν · π)."},
    {SheetText::FormulaDiFlowVelocity, "Gesucht di: di = √(4 · Q / (π · v))."},
    {SheetText::FormulaDiMissing, "Gesucht di: nicht genügend Werte."},
    {SheetText::BasisFriction,
     "Widerstandsbeiwert nach Prandtl-Colebrook: 1 / √λ = −2 · lg(2,51 / (Re · √λ) + k / (3,71 · di))"},
    {SheetText::BasisFlowLaw,
     "Fließgesetz nach Darcy-Weisbach: I = λ / di · v² / (2 · g) mit dem Gefälle J = 1000 · I [m/km]; "
     "Re = v · di / ν; Q = π / 4 · di² · v"},
    {SheetText::BasisViscosity,
     "Kinematische Zähigkeit aus T und ρ: ν = 0,001779 / (ρ · (1 + 0,03368 · T + 0,000221 · T²))"},

    {SheetText::DiComputed, "di ist berechnet"},
    {SheetText::DiGiven, "di ist frei vorgegeben"},
    {SheetText::CatalogueDi, "%s; das gewählte Rohr hat di = da − 2 · (s + ZMA) = %s mm."},
    {SheetText::RoughnessComputed, "Ansatz: berechnet aus Gefälle und Fließgeschwindigkeit"},
    {SheetText::RoughnessApproach, "Ansatz: %s"},
    {SheetText::RoughnessTyped, "frei eingegeben"},
    {SheetText::ResultsBold,
     "Fett: Ergebnis der Berechnung; die übrigen Werte sind Vorgaben oder folgen aus ihnen."},
    {SheetText::NoResultInputs, "Kein Ergebnis berechnet: alle Werte sind Eingaben."},
    {SheetText::PartialNote,
     "Qt und vt nach den angepassten Teilfüllungsbeziehungen des Kreisquerschnitts; ab h/d ≥ %s gilt Qt = Q "
     "und vt = v."},
    {SheetText::ExactCurves,
     "Exakt: Kreisquerschnitt nach Prandtl-Colebrook mit dem hydraulischen Durchmesser 4R bei %s."},
    {SheetText::OperatingPoint, "Betriebspunkt: %s"},

    {SheetText::ConvergedOneStep, "Colebrook-White-Iteration konvergiert (%s Schritt)"},
    {SheetText::ConvergedSteps, "Colebrook-White-Iteration konvergiert (%s Schritte)"},
    {SheetText::FlowDiameterInputs, "Eingaben ausreichend: di aus Q, J und k"},
    {SheetText::NotEnoughForDi, "nicht genügend Werte für di"},
    {SheetText::InputsSufficient, "Eingaben ausreichend: %s"},
    {SheetText::DiFromLambdaVelocity, "di aus λ, J, g und v"},
    {SheetText::DiFromLambdaFlow, "di aus λ, J, g und Q"},
    {SheetText::DiFromReynoldsVelocity, "di aus Re, ν und v"},
    {SheetText::DiFromReynoldsFlow, "di aus Re, ν und Q"},
    {SheetText::DiFromFlowVelocity, "di aus Q und v"},
    {SheetText::InputCheck, "Eingabeprüfung: %s (%s ≤ g ≤ %s m/s²)"},
    {SheetText::FlowState, "Fließzustand %s (Fr = %s)"},
    {SheetText::WallShear, "Wandschubspannung τ = %s %s τmin = %s N/m²"},
    {SheetText::LineLoss, "Verlusthöhe hv = %s m (L = %s m, Σζ = %s)"},
    {SheetText::FillingHeightRange, "Füllhöhe %s mm ≤ ht ≤ di"},
    {SheetText::NotMet, "%s – nicht eingehalten"},

    {SheetText::SheetTitle, "Bemessungsblatt"},
    {SheetText::Subtitle, "Hydraulische Bemessung einer Rohrleitung aus duktilem Gusseisen"},
    {SheetText::SubtitleBasis, "Fließgesetz nach Prandtl-Colebrook · Berechnung nach ATV-Arbeitsblatt A 110"},
    {SheetText::Date, "Datum: %02d.%02d.%04d"},
    {SheetText::CreatedWith, "Erstellt mit %s %s · Veltrum-Berlin"},
    {SheetText::PageOf, "Seite %d von %d"},
    {SheetText::ResultHeading, "Ergebnis"},
    {SheetText::NoResult, "Kein Ergebnis berechnet."},
    {SheetText::PartialResults, "Teilfüllung: %s"},
    {SheetText::ChecksHeading, "Geprüfte Grenzen und Kriterien"},
    {SheetText::OperatingPointAt, "Betriebspunkt h/d = %s"},
    {SheetText::BasisHeading, "Berechnungsgrundlagen"},
    {SheetText::Project, "Projekt"},
    {SheetText::Section, "Abschnitt"},
    {SheetText::Engineer, "Bearbeiter"},
    {SheetText::Remark, "Bemerkung"},
    {SheetText::Prepared, "Aufgestellt"},
    {SheetText::Checked, "Geprüft"},
    {SheetText::DateSignature, "Datum, Unterschrift"},
}};
static_assert(IsComplete(kTable), "every design sheet text, in the order of SheetText");

}  // namespace

const char* Text(SheetText id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

}  // namespace messages

#include "messages/CurveTexts.h"

#include "messages/TextTable.h"

namespace messages {

namespace {

constexpr TextTable<CurveText> kTable{{
    {CurveText::Title, "Teilfüllungskurve"},
    {CurveText::ChartTitle, "Teilfüllung im Kreisquerschnitt"},
    {CurveText::FillingAxis, "Füllungsgrad h/d [–]"},
    {CurveText::RatioAxis, "Verhältnis zur Vollfüllung Qt/Q, vt/v [–]"},
    {CurveText::FroudeAxis, "Froude-Zahl Fr [–]"},
    {CurveText::FittedFlow, "Qt/Q angepasst"},
    {CurveText::ExactFlow, "Qt/Q exakt"},
    {CurveText::FittedVelocity, "vt/v angepasst"},
    {CurveText::ExactVelocity, "vt/v exakt"},
    {CurveText::FittedPoint, "Betriebspunkt angepasst"},
    {CurveText::ExactPoint, "Betriebspunkt exakt"},
    {CurveText::FroudeCurve, "Fr exakt (rechte Achse)"},
    {CurveText::CriticalFilling, "kritische Füllung Fr = 1"},

    {CurveText::FittedColumn, "angepasst"},
    {CurveText::ExactColumn, "exakt"},
    {CurveText::DeviationColumn, "Abweichung"},
    {CurveText::OperatingPointHeading, "Betriebspunkt ht/di = %s"},
    {CurveText::NoOperatingPoint, "Kein Betriebspunkt: ht ist nicht gegeben."},
    {CurveText::OperatingPointSources,
     "Angepasst: ht, Qt und vt des Formulars (der gegebene Wert wie eingegeben, die übrigen nach seinen "
     "Näherungsformeln daraus). Exakt: Kreisquerschnitt beim selben ht/di."},

    {CurveText::Peaks, "Größtwerte exakt:\nQt/Q = %s bei h/d = %s\nvt/v = %s bei h/d = %s"},
    {CurveText::ExactMissing, "Für die exakte Kurve fehlt: %s"},
    {CurveText::NoVelocity,
     "Für diese Werte ergibt das Fließgesetz keine Geschwindigkeit: keine exakte Kurve."},
    {CurveText::NeverCritical, "Normalabfluss bei keiner Füllung kritisch (Fr ≠ 1)"},
    {CurveText::CriticalAt, "Normalabfluss kritisch (Fr = 1) bei h/d = %s"},
    {CurveText::TableHeader, "h/d\tQt/Q angepasst\tvt/v angepasst\tQt/Q exakt\tvt/v exakt\tFr exakt\n"},
}};
static_assert(IsComplete(kTable), "every filling-curve text, in the order of CurveText");

}  // namespace

const char* Text(CurveText id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

}  // namespace messages

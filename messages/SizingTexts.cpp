#include "messages/SizingTexts.h"

#include "messages/TextTable.h"

namespace messages {

namespace {

constexpr TextTable<SizingText> kTable{{
    {SizingText::Recommended, "Empfehlung"},
    {SizingText::Met, "erfüllt"},
    {SizingText::VerdictColumn, "Bewertung"},
    {SizingText::NoRowMet, "keine DN erfüllt alle Kriterien"},

    {SizingText::NearCritical, "Fr %.2f nahe kritisch (%.2f bis %.2f)"},
    {SizingText::NotTurbulent, "Re %s < 2350: keine turbulente Strömung"},
    {SizingText::DiTooSmallForFlow, "di zu klein für einen Durchfluss"},
    {SizingText::Overloaded, "überlastet"},
    {SizingText::PartialNotFound, "Teilfüllung des Kreisquerschnitts nicht bestimmbar"},
    {SizingText::PipeDataIncomplete, "Rohrdaten in \u201eRohre.ini\u201c unvollständig"},
    {SizingText::FittedDifference,
     "Das Formular rechnet die Teilfüllung mit Näherungsformeln, die hier um mehr als %s %% vom "
     "Kreisquerschnitt abweichen: Für DN %s zeigt es nach \u201eBerechnen\u201c ht = %s mm und vt = %s m/s, "
     "exakt sind ht = %s mm und vt = %s m/s."},

    {SizingText::Title, "Bemessungstabelle \u2013 Wanddickenklasse %s, Stand %02d.%02d.%04d, %02d:%02d"},
    {SizingText::GravitySummary,
     "Freispiegelabfluss, Klasse %s: Q = %g l/s, J = %g m/km; vt %g bis %g m/s, h/d höchstens %g, "
     "τ mindestens %g N/m², Fr nicht nahe kritisch"},
    {SizingText::PressureSummary, "Druckabfluss, Klasse %s: Q = %g l/s; v %g bis %g m/s"},
    {SizingText::LineSummary, "; Leitung L = %g m, Σζ = %g"},
    {SizingText::HvMaxSummary, ", hv höchstens %g m"},
    {SizingText::ExactNote,
     "ht, h/d und vt exakt für den Kreisquerschnitt (Prandtl-Colebrook mit 4R); das Formular rechnet mit "
     "Näherungsformeln"},
    {SizingText::CriteriaSource,
     "Vorgabewerte der Kriterien: Freispiegelabfluss (J angegeben) vt von 0,5 bis 6,0 m/s, "
     "h/d höchstens 0,7 und τ mindestens 0,867 N/m² (Schleppspannung nach ASCE MOP 60 / WEF FD-5); "
     "Fr von 0,86 bis 1,13 gilt als nahe kritisch (US Army Corps of Engineers, EM 1110-2-1601); "
     "Druckabfluss (ohne J) v von 0,5 bis 2,0 m/s. Es sind übliche Richtwerte, "
     "keine Normwerte: Die Mindestgeschwindigkeit steht für die Ablagerungsfreiheit, deren Nachweis "
     "für Abwasserkanäle DWA-A 110 und DIN EN 752 regeln; die Geschwindigkeiten in Wasserleitungen "
     "folgen den Bemessungsempfehlungen von DVGW W 400-1. Maßgebend sind das Regelwerk und die "
     "Vorgaben des Netzbetreibers."},

    {SizingText::FlowMissing, "Bitte einen Durchfluss Q von mindestens 0,01 l/s angeben."},
    {SizingText::SlopeInvalid, "Das Gefälle J muss eine positive Zahl sein (leer: Druckabfluss)."},
    {SizingText::VelocitiesInvalid, "Die Geschwindigkeiten müssen 0 ≤ vmin ≤ vmax erfüllen."},
    {SizingText::FillingInvalid, "h/d max muss größer als 0 und höchstens 1 sein."},
    {SizingText::TauMinInvalid, "τmin muss eine Zahl von mindestens 0 sein."},
    {SizingText::LineInvalid, "Die Länge L und die Summe Σζ müssen Zahlen von mindestens 0 sein."},
    {SizingText::HvMaxInvalid, "hv max muss eine Zahl von mindestens 0 sein."},
}};
static_assert(IsComplete(kTable), "every sizing text, in the order of SizingText");

}  // namespace

const char* Text(SizingText id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

}  // namespace messages

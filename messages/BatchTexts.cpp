#include "messages/BatchTexts.h"

#include "messages/TextTable.h"

namespace messages {

namespace {

// The environment variable that names another machine directory (Windows sets WINDIR on every machine).
#ifdef _WIN32
#define MACHINE_DIRECTORY_VARIABLE "QUELLRIX_WINDIR"
#else
#define MACHINE_DIRECTORY_VARIABLE "WINDIR"
#endif

constexpr TextTable<BatchText> kTable{{
    {BatchText::Help, R"(Aufruf: quellrix-batch [calc] [OPTIONEN] [EINGABE]
       quellrix-batch table [--klasse NAME] --Q L/S [--J M/KM] [--vmin V] [--vmax V] [--hd H]
                            [--taumin N/M2] [--L M] [--zeta Z] [--hvmax M] [OPTIONEN]
       quellrix-batch curve [--di MM | [--klasse NAME] [--dn DN]] [--J M/KM] [OPTIONEN]

Berechnet viele Rohrleitungen aus einer CSV-Datei (EINGABE, sonst die Standardeingabe) nach
Prandtl-Colebrook, genau wie das Formular von Quellrix nach denselben Eingaben und einem Klick auf
"Berechnen", und schreibt CSV auf die Standardausgabe: jede Eingabespalte unverändert, dann die
Ergebnisse des Formulars und eine Spalte Status ("ok" oder die Meldungen des Formulars).

Spalten der Kopfzeile (Groß-/Kleinschreibung egal, eine Einheit in [ ] dahinter erlaubt; andere
Spalten werden unverändert durchgereicht; eine leere Zelle gibt nichts vor):
  gesucht   J, v (v und Q), k oder di (leer: J)
  Füllung   voll oder teil (leer: voll)
  Klasse    Wanddickenklasse aus Rohre.ini      DN   Nennweite der Klasse
  di        Innendurchmesser [mm]               k    Rauheit [mm]
  Rauheit   Nummer der Rauheitsauswahl (0 manuelle Eingabe ... 7)
  T [°C], rho [kg/m³], g [m/s²], nu [10^-6 m²/s] (ohne nu: aus T und rho wie im Formular)
  J [m/km], v [m/s], Q [l/s], Re, lambda, A [m²]
  ht [mm], Qt [l/s] oder vt [m/s] (nur bei Teilfüllung, einer davon)
  L [m], zeta (Länge und Σζ der Druckleitung)
Ergebnisspalten: di [mm], A [m²], v [m/s], Q [l/s], Q [m³/h], Re, lambda, J [m/km], k [mm],
  ht [mm], Qt [l/s], Qt [m³/h], vt [m/s], Wasserspiegelbreite [mm], Status, dann Fr, τ [N/m²]
  (Teilfüllung) und hv [m] (Vollfüllung mit L oder zeta).
Eine Zeile mit zu wenigen Feldern nennt im Status die fehlenden Spalten. Eine leere Eingabe ergibt
eine leere Ausgabe (Exit-Status 0).

table: die Bemessungstabelle einer Klasse (Freispiegel mit --J, sonst Druckleitung) als CSV; hinter
  der Bewertung Fr und τ (Kriterium τ ab --taumin, sonst 0,867 N/m²) oder hv der Leitung aus --L und
  --zeta (Kriterium hv höchstens --hvmax).
curve: die Teilfüllungskurven (angepasst und exakt) und Fr exakt für di, k, nu, g und J als CSV.
  table und curve nehmen auch --k MM, --T GRAD, --rho KG/M3, --g M/S2; curve auch --Q L/S, --v M/S
  und --ht MM (Betriebspunkt, Teilfüllung). Ohne --klasse die erste Klasse aus Rohre.ini, ohne --di
  und --dn ihre erste Nennweite (wie das Formular nach dem Start); curve ohne --J nur die angepassten
  Kurven. Beide schreiben kein Byte-Order-Mark, Zeilenende LF.

Optionen:
  --delimiter Z   Trennzeichen (ein Zeichen oder tab); sonst aus der Kopfzeile: ";" wenn sie eines
                  enthält, sonst "," wenn sie eines enthält, sonst Tabulator, sonst ";"
  --decimal Z     Dezimalzeichen . oder , (sonst "," bei ";" als Trennzeichen, sonst ".")
  -j, --threads N Anzahl der Rechen-Threads (sonst einer je Kern)
  --windir DIR    Verzeichnis von Rohre.ini (sonst )" MACHINE_DIRECTORY_VARIABLE
                      R"(, sonst das Maschinenverzeichnis)
  -h, --help      diese Hilfe

EINGABE "-" ist die Standardeingabe; die Eingabedatei selbst als Ausgabe wird abgelehnt.

Exit-Status: 0 alle Zeilen ok, 1 nicht alle Zeilen ok, 2 Aufruf- oder Ein-/Ausgabefehler,
130 nach SIGINT, 143 nach SIGTERM (die Ausgabe endet mit einer ganzen Zeile).
)"},
    {BatchText::SeeHelp, "(quellrix-batch --help zeigt den Aufruf)"},

    {BatchText::UnexpectedArgument, "unerwartetes Argument %s"},
    {BatchText::MoreThanOneInput, "mehr als eine Eingabedatei"},
    {BatchText::UnknownOption, "unbekannte Option %s"},
    {BatchText::OptionWithoutValue, "Option %s ohne Wert"},
    {BatchText::DecimalOption, "--decimal ist . oder ,"},
    {BatchText::DelimiterOption, "--delimiter ist ein Zeichen oder tab"},
    {BatchText::ThreadsOption, "--threads ist eine Zahl von 1 bis 256"},
    {BatchText::DelimiterIsDecimal, "Trennzeichen und Dezimalzeichen sind gleich"},
    {BatchText::OptionNotNumber, "--%s: \"%s\" ist keine Zahl"},
    {BatchText::ClassOptionUnknown, "--klasse: \"%s\" steht nicht in Rohre.ini"},
    {BatchText::DnOptionUnknown, "--dn: \"%s\" steht nicht in der Klasse"},
    {BatchText::NoPipeClass, "keine Rohrklasse in Rohre.ini"},

    {BatchText::InputIsOutput, "Eingabe und Ausgabe sind dieselbe Datei"},
    {BatchText::InputUnreadable, "Eingabe nicht lesbar: %s"},
    {BatchText::OutputUnwritable, "Ausgabe nicht schreibbar: %s"},
    {BatchText::HeaderTooLong, "Kopfzeile länger als 16 MiB"},
    {BatchText::HeaderTooManyColumns, "Kopfzeile hat mehr als 16384 Spalten"},
    {BatchText::HeaderNotUtf8, "Kopfzeile ist kein UTF-8; gelesen als Windows-1252"},
    {BatchText::HeaderQuotes, "Kopfzeile: Anführungszeichen fehlerhaft"},
    {BatchText::ColumnTwice, "Spalte %s steht zweimal in der Kopfzeile"},
    {BatchText::ProgressShare, "[%-30s] %3d %%  %zu Zeilen"},
    {BatchText::ProgressRows, "%zu Zeilen"},

    {BatchText::EmptyRow, "leere Zeile"},
    {BatchText::QuoteOpen, "Anführungszeichen nicht geschlossen"},
    {BatchText::TextAfterQuote, "Text nach dem schließenden Anführungszeichen"},
    {BatchText::QuoteInField, "Anführungszeichen mitten im Feld"},
    {BatchText::FieldCount, "Zeile hat %s statt %s Felder"},
    {BatchText::OneColumnMissing, ", es fehlt die Spalte "},
    {BatchText::ColumnsMissing, ", es fehlen die Spalten "},
    {BatchText::RowTooLong, "Zeile länger als 16 MiB (Anführungszeichen nicht geschlossen?)"},
    {BatchText::RowTooManyFields, "Zeile hat mehr als 16384 Felder"},
    {BatchText::NotComputed, "nicht berechnet"},

    {BatchText::ColumnLike, "Spalte „%s“ ist unbekannt und wird unverändert durchgereicht (gemeint: %s?)"},
    {BatchText::Cell, "Spalte %s: „%s“ %s"},
    {BatchText::CellNotSought, "ist keiner von J, v, k, di"},
    {BatchText::CellNotFilling, "ist weder voll noch teil"},
    {BatchText::CellClassUnknown, "steht nicht in Rohre.ini"},
    {BatchText::CellDnNotInClass, "steht nicht in der Klasse %s"},
    {BatchText::CellDnWithoutClasses, "ohne Rohrklassen in Rohre.ini"},
    {BatchText::CellNotRoughness, "ist keine Nummer von 0 bis %s"},
    {BatchText::CellNotNumber, "ist keine Zahl"},
    {BatchText::CellNotNonNegative, "ist keine Zahl von mindestens 0"},
    {BatchText::ColumnComputed, "Spalte %s: wird berechnet, wenn %s gesucht ist"},
    {BatchText::KOnlyManual, "Spalte k: nur mit Rauheit %s (manuelle Eingabe)"},
    {BatchText::PartialOnly, "Spalte %s: nur bei Teilfüllung"},
    {BatchText::PartialOne, "Spalte %s: nur einer von ht, Qt, vt"},
    {BatchText::AdjustmentCancelled,
     "Spalte %s: nicht übernommen, die Rückfrage „Parameteranpassung“ wurde wie mit dem Schließfeld abgebrochen"},
}};
static_assert(IsComplete(kTable), "every batch text, in the order of BatchText");

}  // namespace

const char* Text(BatchText id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

}  // namespace messages

#include "batch/BatchOptions.h"

#include <algorithm>
#include <cstdlib>

namespace batch {

namespace {

// The value options of table and curve.
const std::vector<std::string>& ValueOptions(Subcommand subcommand) {
    static const std::vector<std::string> table{"klasse", "Q",   "J", "vmin", "vmax", "hd",     "k",
                                                "T",      "rho", "g", "L",    "zeta", "taumin", "hvmax"};
    static const std::vector<std::string> curve{"klasse", "dn", "di", "k", "J", "T",
                                                "rho",    "g",  "Q",  "v", "ht"};
    static const std::vector<std::string> none;
    switch (subcommand) {
        case Subcommand::Table:
            return table;
        case Subcommand::Curve:
            return curve;
        default:
            return none;
    }
}

std::optional<char> OneCharacter(const std::string& text) {
    if (text == "tab" || text == "\\t")
        return '\t';
    if (text.size() == 1 && text[0] != '"' && text[0] != '\n' && text[0] != '\r')
        return text[0];
    return std::nullopt;
}

}  // namespace

std::optional<BatchOptions> ParseBatchArguments(const std::vector<std::string>& arguments,
                                                std::string& problem) {
    BatchOptions options;
    bool subcommandNamed = false;
    size_t i = 0;
    for (; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-h" || argument == "--help") {
            options.help = true;
            continue;
        }
        if (argument.size() < 2 || argument[0] != '-' || argument == "-") {
            // The first word that is not an option may name the subcommand.
            if (!subcommandNamed && !options.input) {
                subcommandNamed = true;
                if (argument == "calc")
                    continue;
                if (argument == "table" || argument == "curve") {
                    options.subcommand = argument == "table" ? Subcommand::Table : Subcommand::Curve;
                    continue;
                }
            }
            if (options.subcommand != Subcommand::Calc) {
                problem = "unerwartetes Argument " + argument;
                return std::nullopt;
            }
            if (options.input) {
                problem = "mehr als eine Eingabedatei";
                return std::nullopt;
            }
            options.input = argument;
            continue;
        }
        // --name=value or --name value, -j N
        std::string name = argument.substr(argument.rfind('-', 1) + 1);
        std::optional<std::string> value;
        if (const size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        if (argument.compare(0, 2, "--") != 0 && name != "j") {
            problem = "unbekannte Option " + argument;
            return std::nullopt;
        }
        const std::vector<std::string>& table = ValueOptions(Subcommand::Table);
        const std::vector<std::string>& curve = ValueOptions(Subcommand::Curve);
        const bool known = name == "delimiter" || name == "decimal" || name == "windir" ||
                           name == "threads" || name == "j" ||
                           std::find(table.begin(), table.end(), name) != table.end() ||
                           std::find(curve.begin(), curve.end(), name) != curve.end();
        if (!known) {
            problem = "unbekannte Option " + argument;
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= arguments.size()) {
                problem = "Option " + argument + " ohne Wert";
                return std::nullopt;
            }
            value = arguments[++i];
        }
        if (name == "delimiter" || name == "decimal") {
            const std::optional<char> c = OneCharacter(*value);
            if (!c || (name == "decimal" && *c != '.' && *c != ',')) {
                problem =
                    name == "decimal" ? "--decimal ist . oder ," : "--delimiter ist ein Zeichen oder tab";
                return std::nullopt;
            }
            (name == "delimiter" ? options.delimiter : options.decimal) = c;
        } else if (name == "windir") {
            options.windir = *value;
        } else if (name == "threads" || name == "j") {
            char* end = nullptr;
            const long n = std::strtol(value->c_str(), &end, 10);
            if (value->empty() || *end != '\0' || n < 1 || n > 256) {
                problem = "--threads ist eine Zahl von 1 bis 256";
                return std::nullopt;
            }
            options.threads = static_cast<unsigned>(n);
        } else {
            options.values[name] = *value;
        }
    }
    const std::vector<std::string>& valueOptions = ValueOptions(options.subcommand);
    for (const auto& [name, value] : options.values) {
        if (std::find(valueOptions.begin(), valueOptions.end(), name) == valueOptions.end()) {
            problem = "unbekannte Option --" + name;
            return std::nullopt;
        }
    }
    if (options.delimiter && options.decimal && *options.delimiter == *options.decimal) {
        problem = "Trennzeichen und Dezimalzeichen sind gleich";
        return std::nullopt;
    }
    return options;
}

// The environment variable that names another machine directory (Windows sets WINDIR on every machine).
#ifdef _WIN32
#define MACHINE_DIRECTORY_VARIABLE "QUELLRIX_WINDIR"
#else
#define MACHINE_DIRECTORY_VARIABLE "WINDIR"
#endif

const char* BatchHelpText() {
    return R"(Aufruf: quellrix-batch [calc] [OPTIONEN] [EINGABE]
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
)";
}

}  // namespace batch

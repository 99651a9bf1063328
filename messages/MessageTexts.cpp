#include "messages/MessageTexts.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "hydraulics/Units.h"
#include "messages/TextTable.h"
#include "platform/Number.h"
#include "platform/Shell.h"

namespace messages {

namespace {

constexpr TextTable<MessageId> kTable{{
    {MessageId::InvalidV, "Der Wert für v ist mit <%5.3f> ungültig"},
    {MessageId::InvalidDi, "Der Wert für Di ist mit <%5.3f> ungültig"},
    {MessageId::InvalidI, "Der Wert für I ist mit <%5.3f> ungültig"},
    {MessageId::InvalidG, "Der Wert für g ist mit <%f> ungültig"},
    {MessageId::InvalidK, "Der Wert für k ist mit <%f> ungültig"},
    {MessageId::InvalidRe, "Der Wert für Re ist mit <%5.3f> ungültig"},

    {MessageId::SlopeOutOfLimits, "I liegt außerhalb der Berechnungsgrenzen: (%f)"},
    {MessageId::VelocityOutOfLimits, "v liegt außerhalb der Berechnungsgrenzen: (%f)[m/s]"},
    {MessageId::RoughnessOutOfLimits, "k liegt außerhalb der Berechnungsgrenzen: (%f)[mm]"},
    {MessageId::DiameterOutOfLimits, "di liegt außerhalb der Berechnungsgrenzen: (%f)[mm]"},
    {MessageId::LambdaNotConverging, "Fehler: Lambda konvergiert nicht!  Re: %d, K: %f, di: %d, Counter: %d"},
    {MessageId::DiameterNotEnoughValues,
     "Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!"},

    {MessageId::VTooSmall, "v ist zu klein und wird begrenzt."},
    {MessageId::VBeyondDefinition,
     "v überschreitet den Definitionsbereich (15m/s). Bitte Plausibilität der Ergebnisse prüfen."},
    {MessageId::VtTooSmall, "vt ist zu klein und wird begrenzt."},
    {MessageId::VtBeyondDefinition,
     "vt überschreitet den Definitionsbereich (15m/s). Bitte Plausibilität der Ergebnisse prüfen."},
    {MessageId::ReTooSmall, "Re ist zu klein und wird begrenzt."},
    {MessageId::ReTooLarge, "Re ist zu groß und wird begrenzt."},
    {MessageId::ITooSmall, "I ist zu klein und wird begrenzt."},
    {MessageId::ITooLarge, "I ist zu groß und wird begrenzt."},
    {MessageId::DiTooSmall, "di ist zu klein und wird begrenzt."},
    {MessageId::DiTooLarge, "di ist zu groß und wird begrenzt."},
    {MessageId::KTooSmall, "k ist zu klein und wird begrenzt."},
    {MessageId::KTooLarge, "k ist zu groß und wird begrenzt."},
    {MessageId::HtTooSmall, "ht ist zu klein und wird begrenzt."},
    {MessageId::HtAboveDi, "ht ist größer als Di und wird begrenzt."},
    {MessageId::EntryWithDigitGrouping,
     "Die Eingabe <%s> wird nicht übernommen: Zahlen bitte ohne Tausendertrennzeichen eingeben, mit "
     "Komma oder Punkt vor den Dezimalstellen. Das Feld behält seinen bisherigen Wert."},

    {MessageId::AdjustReynolds,
     "Beim Ändern der Reynoldszahl muß ein anderer Parameter angepaßt werden. Re = f(v, di, ny). Bitte wählen Sie den Parameter, der angepaßt werden soll."},
    {MessageId::AdjustArea,
     "Beim Ändern der Fläche muß neben dem Innendurchmesser di noch ein anderer Parameter angepaßt werden. A = f(Q, v). Bitte wählen Sie den Parameter, der angepaßt werden soll."},
    {MessageId::ZeroFlowOrVelocity,
     "Q und v sind ungleich Null. Aus Q und v kann di direkt ermittelt werden. Um die letzte Eingabe nutzen zu können, muß einer der Parameter auf Null gesetzt werden. Wählen Sie den Parameter, der auf Null gesetzt werden soll."},

    {MessageId::NoMatchingDn,
     "In dieser Wanddickenklasse existiert keine entsprechende Nennweite. Der DN-Wert wird auf den Anfangswert zurückgesetzt."},

    {MessageId::NoDefaultPrinter,
     "Es ist kein Standarddrucker definiert!\n\nDas Programm wird bezieht sich bei vielen Berechnungen auf den eingestellten Druckertyp.\n\nDrücken Sie Start -> Einstellungen und neuer Drucker zum Einrichten eines Druckers."},
    {MessageId::PrinterUnreadable, "Fehler beim Auslesen des Druckers"},
    {MessageId::FontNotCreated, "Konnte den Font: %s nicht erstellen!"},
    {MessageId::PenNotCreated, "Konnte den Pen: %s nicht erstellen!"},

    {MessageId::BrowserOutOfMemory, "Kein Speicher für Web-Browser verfügbar."},
    {MessageId::BrowserInternal1, "Interner Fehler (1)"},
    {MessageId::BrowserPathNotFound, "Interner Fehler (Haben Sie ein Laufwerk c:\\ ?)"},
    {MessageId::BrowserBadProgram, "Der Standard-Browser ist nicht funktionsfähig."},
    {MessageId::BrowserNoAssociation, "Es ist kein Standard-Browser eingerichtet."},
    {MessageId::BrowserInternal2, "Interner Fehler (2)."},
    {MessageId::BrowserNotFound, "Der Standard Browser wurde nicht gefunden."},
    {MessageId::BrowserInternal3, "Interner Fehler (3)."},

    {MessageId::FileCannotBeOpened, "Die Datei \"%s\" kann nicht geöffnet werden."},
    {MessageId::FileNotFound, "Die Datei \"%s\" wurde nicht gefunden."},
    {MessageId::FileNotWritten, "Die Datei \"%s\" kann nicht geschrieben werden."},
    {MessageId::FileNotSaved, "Die Datei \"%s\" kann nicht gespeichert werden."},
    {MessageId::FileReadOnly,
     "Die Datei \"%s\" ist schreibgeschützt.\nSpeichern Sie die Berechnung mit \"Speichern unter\" unter "
     "einem anderen Namen."},
    {MessageId::FileNotRegular,
     "\"%s\" ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Ordner) und wird nicht "
     "überschrieben.\nDie Berechnung wurde nicht gespeichert."},
    {MessageId::FileForeignLink,
     "\"%s\" ist eine Verknüpfung eines anderen Benutzers in einem gemeinsamen Ordner; ihr wird nicht "
     "gefolgt.\nDie Berechnung wurde nicht gespeichert."},
    {MessageId::SizingRowNotTaken,
     "Diese Zeile kann nicht übernommen werden: Die Tabelle gehört zu einer anderen Wanddickenklasse, "
     "oder die Zeile hat keine Werte."},

    {MessageId::SaveChanges, "Änderungen speichern?"},
    {MessageId::CalculationNotJson,
     "Die Datei \"%s\" ist beschädigt: Sie ist keine vollständige JSON-Datei."},
    {MessageId::CalculationForeign, "Die Datei \"%s\" ist keine Quellrix-Berechnung."},
    {MessageId::CalculationNewer,
     "Die Datei \"%s\" wurde von einer neueren Quellrix-Version gespeichert (Format %s) und kann nicht "
     "geöffnet werden."},
    {MessageId::CalculationWrongEntry,
     "Die Datei \"%s\" ist beschädigt: Der Eintrag \"%s\" fehlt oder hat den falschen Typ."},
    {MessageId::CalculationOutOfRange,
     "Die Datei \"%s\" ist beschädigt: Der Eintrag \"%s\" hat einen unzulässigen Wert."},
    {MessageId::CalculationTooLarge, "Die Datei \"%s\" ist zu groß für eine Quellrix-Berechnung."},
    {MessageId::CalculationUnchanged, "Die Berechnung bleibt unverändert."},
    {MessageId::CalculationStartsEmpty, "Quellrix beginnt mit einer neuen, leeren Berechnung."},
    {MessageId::CalculationNotSavable,
     "Die Berechnung kann nicht in der Datei \"%s\" gespeichert werden: Ein Text des Formulars ist länger, "
     "als eine Quellrix-Berechnung ihn aufnimmt.\nDie Datei bleibt unverändert."},

    {MessageId::FlowSubcritical, "strömend"},
    {MessageId::FlowNearCritical, "nahe kritisch"},
    {MessageId::FlowSupercritical, "schießend"},
    {MessageId::FlowState, "Fließzustand %s: Fr = %s, Grenztiefe hc = %s mm"},
    {MessageId::FlowStateUnstable, "; Fr zwischen %s und %s: unruhiger, instabiler Wasserspiegel"},
    {MessageId::FittedFillingDiffers,
     "Teilfüllung nach Näherungsformeln, hier mehr als %s %% vom Kreisquerschnitt entfernt: exakt sind ht = %s mm, "
     "Qt = %s l/s, vt = %s m/s."},
    {MessageId::FittedFillingBeyondSection,
     "Teilfüllung nach Näherungsformeln: der Kreisquerschnitt kann den gegebenen Wert exakt nicht führen."},
    {MessageId::SelfCleansingMet,
     "Wandschubspannung τ = %s N/m² ≥ τmin = %s N/m²: Ablagerungsfreiheit erfüllt"},
    {MessageId::SelfCleansingNotMet, "Wandschubspannung τ = %s N/m² < τmin = %s N/m²: Ablagerungen möglich"},
    {MessageId::LineLoss, "Verlusthöhe hv = J · L + Σζ · v²/(2g) = %s m + %s m = %s m"},
    {MessageId::InvalidLength, "Der Wert für L ist mit <%f> ungültig"},
    {MessageId::InvalidLossSum, "Der Wert für Σζ ist mit <%f> ungültig"},
    {MessageId::FittingInletSharp, "Einlauf aus einem Behälter, scharfkantig"},
    {MessageId::FittingInletRounded, "Einlauf aus einem Behälter, gut gerundet"},
    {MessageId::FittingOutlet, "Auslauf in einen Behälter"},
    {MessageId::FittingBend90Radius2d, "Rohrbogen 90°, R = 2 d"},
    {MessageId::FittingBend90Radius4d, "Rohrbogen 90°, R = 4 d"},
    {MessageId::FittingBend90Radius6d, "Rohrbogen 90°, R ≥ 6 d"},
    {MessageId::FittingGateValve, "Absperrschieber, ganz geöffnet"},
    {MessageId::FittingButterflyValve, "Absperrklappe, ganz geöffnet"},
    {MessageId::FittingSwingCheckValve, "Rückschlagklappe, ganz geöffnet"},
    {MessageId::FlowDiameterMissing, "Für di aus Q, J und k nach Colebrook-White fehlen Werte: %s"},
    {MessageId::PdfPrinterMissing,
     "Als PDF speichern ist nicht verfügbar: der Drucker \"Microsoft Print to PDF\" ist nicht eingerichtet."},
    {MessageId::PartialFillingNotice, "Teilfüllung %s (Fr = %s), τ = %s N/m² %s τmin = %s N/m²"},
    {MessageId::NotComputable, "nicht berechenbar"},
    {MessageId::SettingsUnreadable,
     "Die Datei %s kann nicht gelesen werden: %s.\nDie Datei bleibt unverändert. Das Programm arbeitet mit dem eingebauten Rohrkatalog und speichert die globalen Daten nicht."},
    {MessageId::SettingsUncreatable,
     "Die Datei %s kann nicht angelegt werden: %s.\nDas Programm arbeitet mit dem eingebauten Rohrkatalog und speichert die globalen Daten nicht."},
    {MessageId::SettingsIncomplete,
     "Die Datei %s enthält keinen Rohrkatalog und kann nicht ergänzt werden: %s.\nDas Programm arbeitet mit dem eingebauten Rohrkatalog und speichert die globalen Daten nicht."},
    {MessageId::ReasonNoPermission, "Keine Berechtigung"},
    {MessageId::ReasonReadOnlyFileSystem, "Das Dateisystem ist schreibgeschützt"},
    {MessageId::ReasonNoDirectory, "Das Verzeichnis %s existiert nicht"},
    {MessageId::ReasonNotDirectory, "%s ist kein Verzeichnis"},
    {MessageId::ReasonDiskFull, "Der Datenträger ist voll"},
    {MessageId::ReasonFileTooLarge, "Die Datei würde zu groß"},
    {MessageId::ReasonInputOutput, "Ein-/Ausgabefehler"},
    {MessageId::ReasonSystemError, "Systemfehler %d"},
    {MessageId::ReasonSymbolicLink, "An ihrer Stelle steht eine symbolische Verknüpfung"},
    {MessageId::ReasonNotRegular, "Sie ist keine gewöhnliche Datei"},
    {MessageId::ReasonLargerThan, "Sie ist größer als %zu MB"},
    {MessageId::ReasonNulByte, "Sie enthält ein NUL-Zeichen"},
    {MessageId::ReasonUtf16, "Sie ist in UTF-16 kodiert"},
}};

static_assert(IsComplete(kTable), "every message, in the order of MessageId");

MessageId InputCheckId(hydraulics::InputCheck check) {
    switch (check) {
        case hydraulics::InputCheck::V:
            return MessageId::InvalidV;
        case hydraulics::InputCheck::Di:
            return MessageId::InvalidDi;
        case hydraulics::InputCheck::I:
            return MessageId::InvalidI;
        case hydraulics::InputCheck::G:
            return MessageId::InvalidG;
        case hydraulics::InputCheck::K:
            return MessageId::InvalidK;
        case hydraulics::InputCheck::Re:
            return MessageId::InvalidRe;
    }
    return MessageId::InvalidV;
}

// The text with its first floating-point conversion ("%f", "%5.3f", "%g") replaced by x so formatted: a value
// that is not finite says it cannot be computed, one too long for a message (1e300 as "%f") is given in
// exponent form, and so is one that the format would show as zero (5e-05 as "%5.3f"). The other
// conversions are left for the caller.
std::string WithNumber(const char* text, double x) {
    const std::string_view whole = text;
    size_t start = whole.find('%');
    size_t end = start;
    for (; start != std::string_view::npos; start = whole.find('%', end)) {
        end = whole.find_first_not_of("0123456789.", start + 1);
        if (end == std::string_view::npos)
            return std::string(whole);
        if (whole[end] == 'f' || whole[end] == 'g' || whole[end] == 'e')
            break;
    }
    if (start == std::string_view::npos)
        return std::string(whole);
    ++end;
    const std::string conversion(whole.substr(start, end - start));
    if (!std::isfinite(x))
        return std::string(whole.substr(0, start)) + Text(MessageId::NotComputable) +
               std::string(whole.substr(end));
    std::string number = platform::Format(conversion.c_str(), x);
    if (number.size() > 16)
        number = platform::Format("%.6e", x);
    else if (x != 0 && number.find_first_of("123456789") == std::string::npos)
        number = platform::Format("%.4g", x);
    return std::string(whole.substr(0, start)) + number + std::string(whole.substr(end));
}

std::string FormatNumber(MessageId id, double x) {
    return WithNumber(Text(id), x);
}

const char* FlowDiameterInputName(hydraulics::FlowDiameterInput input) {
    switch (input) {
        case hydraulics::FlowDiameterInput::Q:
            return "Q";
        case hydraulics::FlowDiameterInput::J:
            return "J";
        case hydraulics::FlowDiameterInput::K:
            return "k";
        case hydraulics::FlowDiameterInput::Ny:
            return "ν";
        case hydraulics::FlowDiameterInput::G:
            return "g";
    }
    return "";
}

}  // namespace

std::string Decimal(const char* format, double x) {
    std::string text = WithNumber(format, x);
    for (char& c : text) {
        if (c == '.')
            c = ',';
    }
    return text;
}

const char* Text(MessageId id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

std::string InputCheckMessage(const hydraulics::FailedCheck& failed) {
    return FormatNumber(InputCheckId(failed.check), failed.value);
}

std::string LimitBreachMessage(const hydraulics::LimitBreach& breach) {
    using hydraulics::units::kMillimetre;
    switch (breach.quantity) {
        case hydraulics::ResultQuantity::I:
            return FormatNumber(MessageId::SlopeOutOfLimits, breach.value);
        case hydraulics::ResultQuantity::V:
            return FormatNumber(MessageId::VelocityOutOfLimits, breach.value);
        case hydraulics::ResultQuantity::K:
            return FormatNumber(MessageId::RoughnessOutOfLimits, breach.value * kMillimetre.toDisplay);
        case hydraulics::ResultQuantity::Di:
            return FormatNumber(MessageId::DiameterOutOfLimits, breach.value * kMillimetre.toDisplay);
    }
    return {};
}

std::string NonConvergenceMessage(int Re, double k, double di, int steps) {
    const int diMillimetres =
        hydraulics::TruncateToInt(std::round(di * hydraulics::units::kMillimetre.toDisplay));
    return platform::Format(WithNumber(Text(MessageId::LambdaNotConverging), k).c_str(), Re, diMillimetres,
                            steps);
}

const char* EntryLimitMessage(hydraulics::EntryQuantity quantity, hydraulics::EntrySide side) {
    using Q = hydraulics::EntryQuantity;
    const bool low = side == hydraulics::EntrySide::Low;
    switch (quantity) {
        case Q::V:
            return Text(low ? MessageId::VTooSmall : MessageId::VBeyondDefinition);
        case Q::Vt:
            return Text(low ? MessageId::VtTooSmall : MessageId::VtBeyondDefinition);
        case Q::Re:
            return Text(low ? MessageId::ReTooSmall : MessageId::ReTooLarge);
        case Q::I:
            return Text(low ? MessageId::ITooSmall : MessageId::ITooLarge);
        case Q::Di:
            return Text(low ? MessageId::DiTooSmall : MessageId::DiTooLarge);
        case Q::K:
            return Text(low ? MessageId::KTooSmall : MessageId::KTooLarge);
        case Q::Ht:
            return Text(low ? MessageId::HtTooSmall : MessageId::HtAboveDi);
    }
    return "";
}

std::string BrowserLookupFailureMessage(int code) {
    switch (code) {
        case platform::kShellOutOfResources:
            return Text(MessageId::BrowserOutOfMemory);
        case platform::kShellFileNotFound:
            return Text(MessageId::BrowserInternal1);
        case platform::kShellPathNotFound:
            return Text(MessageId::BrowserPathNotFound);
        case platform::kShellBadProgram:
            return Text(MessageId::BrowserBadProgram);
        case platform::kShellNoAssociation:
            return Text(MessageId::BrowserNoAssociation);
        default:
            return Text(MessageId::BrowserInternal2);
    }
}

std::string BrowserStartFailureMessage(int code) {
    switch (code) {
        case platform::kShellOutOfResources:
            return Text(MessageId::BrowserOutOfMemory);
        case platform::kShellFileNotFound:
            return Text(MessageId::BrowserNotFound);
        default:
            return Text(MessageId::BrowserInternal3);
    }
}

std::string NamedMessage(MessageId id, const std::string& name) {
    return platform::Format(Text(id), name.c_str());
}

std::string NamedMessage(MessageId id, const std::string& name, const std::string& detail) {
    return platform::Format(Text(id), name.c_str(), detail.c_str());
}

const char* FlowRegimeName(hydraulics::FlowRegime regime) {
    switch (regime) {
        case hydraulics::FlowRegime::Subcritical:
            return Text(MessageId::FlowSubcritical);
        case hydraulics::FlowRegime::NearCritical:
            return Text(MessageId::FlowNearCritical);
        case hydraulics::FlowRegime::Supercritical:
            return Text(MessageId::FlowSupercritical);
    }
    return "";
}

std::string FlowStateMessage(const hydraulics::FlowState& state, const hydraulics::NearCriticalBand& band) {
    std::string text = platform::Format(
        Text(MessageId::FlowState), FlowRegimeName(state.regime), Decimal("%.2f", state.froude).c_str(),
        Decimal("%.1f", state.critical.h * hydraulics::units::kMillimetre.toDisplay).c_str());
    if (state.regime == hydraulics::FlowRegime::NearCritical) {
        text += platform::Format(Text(MessageId::FlowStateUnstable), Decimal("%.2f", band.low).c_str(),
                                 Decimal("%.2f", band.high).c_str());
    }
    return text;
}

std::string FittedFillingMessage(const hydraulics::FittedFillingComparison& comparison) {
    if (!comparison.exact)
        return Text(MessageId::FittedFillingBeyondSection);
    using hydraulics::units::kLitrePerSecond;
    using hydraulics::units::kMillimetre;
    const hydraulics::PartialValues& exact = *comparison.exact;
    return platform::Format(Text(MessageId::FittedFillingDiffers),
                            Decimal("%g", hydraulics::kFittedFillingTolerance * 100).c_str(),
                            Decimal("%.1f", exact.ht * kMillimetre.toDisplay).c_str(),
                            Decimal("%.2f", exact.Qt * kLitrePerSecond.toDisplay).c_str(),
                            Decimal("%.2f", exact.vt).c_str());
}

std::string SelfCleansingMessage(const hydraulics::SelfCleansingCheck& check) {
    return platform::Format(Text(check.met ? MessageId::SelfCleansingMet : MessageId::SelfCleansingNotMet),
                            Decimal("%.2f", check.tau).c_str(), Decimal("%.2f", check.tauMin).c_str());
}

std::string LineLossMessage(const hydraulics::LineLoss& loss) {
    return platform::Format(Text(MessageId::LineLoss), Decimal("%.3f", loss.friction).c_str(),
                            Decimal("%.3f", loss.local).c_str(), Decimal("%.3f", loss.total).c_str());
}

std::string LineInputMessage(const hydraulics::FailedLineInput& failed) {
    return FormatNumber(
        failed.input == hydraulics::LineInput::Length ? MessageId::InvalidLength : MessageId::InvalidLossSum,
        failed.value);
}

const char* FittingName(hydraulics::Fitting fitting) {
    using F = hydraulics::Fitting;
    switch (fitting) {
        case F::InletSharp:
            return Text(MessageId::FittingInletSharp);
        case F::InletRounded:
            return Text(MessageId::FittingInletRounded);
        case F::Outlet:
            return Text(MessageId::FittingOutlet);
        case F::Bend90Radius2d:
            return Text(MessageId::FittingBend90Radius2d);
        case F::Bend90Radius4d:
            return Text(MessageId::FittingBend90Radius4d);
        case F::Bend90Radius6d:
            return Text(MessageId::FittingBend90Radius6d);
        case F::GateValve:
            return Text(MessageId::FittingGateValve);
        case F::ButterflyValve:
            return Text(MessageId::FittingButterflyValve);
        case F::SwingCheckValve:
            return Text(MessageId::FittingSwingCheckValve);
        case F::Count:
            break;
    }
    return "";
}

std::string PartialFillingNotice(const hydraulics::GravityFlowChecks& checks) {
    const hydraulics::SelfCleansingCheck& tau = checks.selfCleansing;
    return platform::Format(Text(MessageId::PartialFillingNotice), FlowRegimeName(checks.state->regime),
                            Decimal("%.2f", checks.state->froude).c_str(), Decimal("%.2f", tau.tau).c_str(),
                            tau.met ? "≥" : "<", Decimal("%.2f", tau.tauMin).c_str());
}

std::string FlowDiameterMissingMessage(const hydraulics::MissingFlowDiameterInputs& missing) {
    std::string names;
    for (hydraulics::FlowDiameterInput input : missing) {
        if (!names.empty())
            names += ", ";
        names += FlowDiameterInputName(input);
    }
    return std::string(Text(MessageId::DiameterNotEnoughValues)) + "\n" +
           platform::Format(Text(MessageId::FlowDiameterMissing), names.c_str());
}

}  // namespace messages

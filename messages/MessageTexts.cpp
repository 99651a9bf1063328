#include "messages/MessageTexts.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "hydraulics/Units.h"
#include "platform/Number.h"
#include "platform/Shell.h"

namespace messages {

namespace {

struct Entry {
    MessageId id;
    const char* text;
};

// The table, in the order of MessageId.
constexpr std::array<Entry, static_cast<std::size_t>(MessageId::Count)> kTable{{
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
    {MessageId::AreaInPartialFilling, "Noch nicht implementiert!"},

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
}};

constexpr bool TableInOrder() {
    for (std::size_t i = 0; i < kTable.size(); ++i) {
        if (static_cast<std::size_t>(kTable[i].id) != i)
            return false;
    }
    return true;
}
static_assert(TableInOrder(), "the message table follows the order of MessageId");

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

std::string FormatNumber(MessageId id, double x) {
    return platform::Format(Text(id), x);
}

}  // namespace

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
    return platform::Format(Text(MessageId::LambdaNotConverging), Re, k, diMillimetres, steps);
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

}  // namespace messages

#include "app/CommandTexts.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Command, const char*>, 24> kPrompts{{
    {Command::New, "Erstellt ein neues Dokument.\nNeu"},
    {Command::Open, "Öffnet ein bestehendes Dokument.\nÖffnen"},
    {Command::Save, "Speichert das aktive Dokument.\nSpeichern"},
    {Command::SaveAs, "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter"},
    {Command::PrintSetup, "Ändert den Drucker und die Druckoptionen.\nDruckereinrichtung"},
    {Command::Print, "Druckt das aktive Dokument.\nDrucken"},
    {Command::PrintPreview, "Zeigt ganze Seiten an.\nSeitenansicht"},
    {Command::RecentFile1, "Öffnet dieses Dokument."},
    {Command::Undo, "Macht die letzte Aktion rückgängig.\nRückgängig"},
    {Command::Cut, "Entfernt die Markierung und überträgt sie in die Zwischenablage.\nAusschneiden"},
    {Command::Copy, "Kopiert die Markierung und überträgt sie in die Zwischenablage.\nKopieren"},
    {Command::Paste, "Fügt den Inhalt der Zwischenablage ein.\nEinfügen"},
    {Command::About, "Zeigt Programminformationen und die Versionsnummer an.\nInfo"},
    {Command::Exit, "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
    {Command::ToggleToolbar, "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten"},
    {Command::ToggleStatusBar, "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten"},
    {Command::FillingCurves,
     "Zeigt Qt/Q und vt/v über h/d, angepasst und exakt, mit dem Betriebspunkt.\nTeilfüllungskurve"},
    {Command::SizingTable,
     "Zeigt die Bemessungstabelle aller Nennweiten der Wanddickenklasse.\nBemessungstabelle"},
    {Command::CopyResults, "Kopiert Eingaben und Ergebnisse in die Zwischenablage.\nErgebnisse kopieren"},
    {Command::SavePdf, "Speichert den Rechenbericht als PDF-Datei.\nAls PDF speichern"},
    // calculation files
    {Command::ProjectHeader,
     "Bearbeitet Projekt, Abschnitt, Bearbeiter und Bemerkung der Berechnung.\nProjektangaben"},
    // design sheet
    {Command::PrintDesignSheet,
     "Druckt das Bemessungsblatt der berechneten Bemessung für den Auftraggeber.\nBemessungsblatt drucken"},
    {Command::PreviewDesignSheet,
     "Zeigt das Bemessungsblatt als ganze Seite an.\nBemessungsblatt-Seitenansicht"},
    {Command::SaveDesignSheetPdf,
     "Speichert das Bemessungsblatt als PDF-Datei.\nBemessungsblatt als PDF speichern"},
}};

}  // namespace

CommandPrompt PromptFor(Command command) {
    for (const auto& [candidate, text] : kPrompts) {
        if (candidate != command)
            continue;
        const std::string_view whole = text;
        const size_t lineBreak = whole.find('\n');
        if (lineBreak == std::string_view::npos)
            return {whole, {}};
        return {whole.substr(0, lineBreak), whole.substr(lineBreak + 1)};
    }
    return {};
}

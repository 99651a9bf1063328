#include "messages/CommandTexts.h"

#include "messages/TextTable.h"

namespace messages {

namespace {

constexpr TextTable<CommandText> kTable{{
    {CommandText::New, "Erstellt ein neues Dokument.\nNeu"},
    {CommandText::Open, "Öffnet ein bestehendes Dokument.\nÖffnen"},
    {CommandText::Save, "Speichert das aktive Dokument.\nSpeichern"},
    {CommandText::SaveAs, "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter"},
    {CommandText::PrintSetup, "Ändert den Drucker und die Druckoptionen.\nDruckereinrichtung"},
    {CommandText::Print, "Druckt das aktive Dokument.\nDrucken"},
    {CommandText::PrintPreview, "Zeigt ganze Seiten an.\nSeitenansicht"},
    {CommandText::RecentFile1, "Öffnet dieses Dokument."},
    {CommandText::Undo, "Macht die letzte Aktion rückgängig.\nRückgängig"},
    {CommandText::Cut, "Entfernt die Markierung und überträgt sie in die Zwischenablage.\nAusschneiden"},
    {CommandText::Copy, "Kopiert die Markierung und überträgt sie in die Zwischenablage.\nKopieren"},
    {CommandText::Paste, "Fügt den Inhalt der Zwischenablage ein.\nEinfügen"},
    {CommandText::About, "Zeigt Programminformationen und die Versionsnummer an.\nInfo"},
    {CommandText::Exit, "Verläßt die Anwendung; fragt, ob Dokumente gespeichert werden sollen.\nBeenden"},
    {CommandText::ToggleToolbar, "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein-/ausschalten"},
    {CommandText::ToggleStatusBar, "Blendet die Statusleiste ein oder aus.\nStatusleiste ein-/ausschalten"},
    {CommandText::FillingCurves,
     "Zeigt Qt/Q und vt/v über h/d, angepasst und exakt, mit dem Betriebspunkt.\nTeilfüllungskurve"},
    {CommandText::SizingTable,
     "Zeigt die Bemessungstabelle aller Nennweiten der Wanddickenklasse.\nBemessungstabelle"},
    {CommandText::CopyResults, "Kopiert Eingaben und Ergebnisse in die Zwischenablage.\nErgebnisse kopieren"},
    {CommandText::SavePdf, "Speichert den Rechenbericht als PDF-Datei.\nAls PDF speichern"},
    {CommandText::ProjectHeader,
     "Bearbeitet Projekt, Abschnitt, Bearbeiter und Bemerkung der Berechnung.\nProjektangaben"},
    {CommandText::PrintDesignSheet,
     "Druckt das Bemessungsblatt der berechneten Bemessung für den Auftraggeber.\nBemessungsblatt drucken"},
    {CommandText::PreviewDesignSheet,
     "Zeigt das Bemessungsblatt als ganze Seite an.\nBemessungsblatt-Seitenansicht"},
    {CommandText::SaveDesignSheetPdf,
     "Speichert das Bemessungsblatt als PDF-Datei.\nBemessungsblatt als PDF speichern"},
}};
static_assert(IsComplete(kTable), "every command text, in the order of CommandText");

}  // namespace

const char* Text(CommandText id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

}  // namespace messages

#include "messages/WindowTexts.h"

#include "messages/TextTable.h"

namespace messages {

namespace {

constexpr TextTable<WindowText> kTable{{
    {WindowText::Ready, "Bereit"},
    {WindowText::Save, "&Speichern..."},
    {WindowText::CopyTable, "Tabelle &kopieren"},
    {WindowText::Copy, "&Kopieren"},
    {WindowText::SaveCsv, "CSV &speichern..."},
    {WindowText::Print, "&Drucken..."},
    {WindowText::Preview, "Seiten&ansicht"},
    {WindowText::TakeOver, "Ü&bernehmen"},
    {WindowText::Close, "Schl&ießen"},
    {WindowText::Cancel, "Abbrechen"},

    {WindowText::SizingTitle, "Bemessungstabelle"},
    {WindowText::Recommendation, "Empfehlung: DN %s"},
    {WindowText::FlowLabel, "Durchfluss &Q [l/s]"},
    {WindowText::SlopeLabel, "&Gefälle J [m/km] (leer: Druckabfluss)"},
    {WindowText::LengthLabel, "Leitungs&länge L [m]"},
    {WindowText::LossSumLabel, "Σζ der &Formstücke"},
    {WindowText::VMinLabel, "v&min [m/s]"},
    {WindowText::VMaxLabel, "vma&x [m/s]"},
    {WindowText::HdMaxLabel, "&h/d max"},
    {WindowText::TauMinLabel, "τmi&n [N/m²]"},
    {WindowText::HvMaxLabel, "h&v max [m]"},

    {WindowText::ProjectTitle, "Projektangaben"},
    {WindowText::ProjectLabel, "&Projekt:"},
    {WindowText::SectionLabel, "&Abschnitt:"},
    {WindowText::EngineerLabel, "&Bearbeiter:"},
    {WindowText::RemarkLabel, "Be&merkung:"},

    {WindowText::OpenCaption, "Öffnen"},
    {WindowText::SaveAsCaption, "Speichern unter"},
    {WindowText::CalculationFilter, "Quellrix-Berechnungen (*.qrx)"},
    {WindowText::UntitledCalculation, "Berechnung.qrx"},
    {WindowText::SaveCurveCaption, "Teilfüllungskurve speichern"},
    {WindowText::CurveFileName, "Teilfuellungskurve.png"},
    {WindowText::PngFilter, "PNG-Bild (*.png)"},
    {WindowText::SvgFilter, "SVG-Grafik (*.svg)"},
    {WindowText::PdfFilter, "PDF-Dokument (*.pdf)"},
    {WindowText::SaveReportPdfCaption, "Als PDF speichern"},
    {WindowText::ReportPdfFileName, "Rechenbericht.pdf"},
    {WindowText::SaveSheetPdfCaption, "Bemessungsblatt als PDF speichern"},
    {WindowText::SheetPdfFileName, "Bemessungsblatt.pdf"},
    {WindowText::PdfFilesFilter, "PDF-Dateien (*.pdf)"},
    {WindowText::SaveTableCaption, "Bemessungstabelle speichern"},
    {WindowText::TableFileName, "Bemessungstabelle.csv"},
    {WindowText::CsvFilter, "CSV-Dateien (*.csv)"},
}};
static_assert(IsComplete(kTable), "every window text, in the order of WindowText");

}  // namespace

const char* Text(WindowText id) {
    return kTable[static_cast<std::size_t>(id)].text;
}

}  // namespace messages

#include "report/CalculationReport.h"

#include <cmath>
#include <string>

#include "hydraulics/Units.h"
#include "messages/MessageTexts.h"
#include "platform/Number.h"
#include "record/PlenwickDoc.h"
#include "record/ProgramName.h"
#include "report/ReportLayout.h"
#include "report/WrappedText.h"

namespace {

using hydraulics::units::kCubicMetrePerHour;
using hydraulics::units::kLitrePerSecond;
using hydraulics::units::kMetrePerKilometre;
using hydraulics::units::kMicroSquareMetrePerSecond;
using hydraulics::units::kMillimetre;
using platform::Format;

constexpr double kLineFactor = 1.4;

constexpr const char* kFontBold = "FontBold";
constexpr const char* kFontNormal = "FontNormal";
constexpr const char* kFontHeadline1 = "FontHeadline1";
constexpr const char* kFontHeadline2 = "FontHeadline2";
constexpr const char* kPenBorder = "borderall";
constexpr const char* kPenCheckbox = "checkbox";

void RegisterFontsAndPens(ReportLayout& page) {
    struct FontRow {
        const char* name;
        double size;
        int weight;
    };
    constexpr FontRow fonts[] = {{kFontBold, 1.1, 700},
                                 {kFontNormal, 1.0, 400},
                                 {kFontHeadline1, 1.5, 700},
                                 {kFontHeadline2, 0.85, 700}};
    constexpr int kRomanDefaultPitch = 16;
    for (const FontRow& font : fonts) {
        page.AddFont(font.size, font.name, 0, 0, 0, font.weight, 0, 0, 0, 0, 0, 0, 0, kRomanDefaultPitch,
                     "Arial");
    }
    const platform::Rgb black{0, 0, 0};
    page.AddPen(0.2, kPenBorder, platform::PenStyle::Solid, black);
    page.AddPen(0.1, kPenCheckbox, platform::PenStyle::Solid, black);
}

void CreateAreas(ReportLayout& page) {
    page.AddArea(5, 0, 5, 92, "header");
    page.AddArea(5, 8, 5, 6, "body");
    page.AddArea(5, 94, 5, 0, "footer");
    page.AddSubArea("body", 0, 0, 0, 95, "headline");
    page.AddSubArea("body", 0, 5, 0, 0, "detailouter");
    page.AddSubArea("detailouter", 2, 2, 2, 2, "detail");
}

// The vertical space between blocks of the detail area.
void Gap(LayoutArea& area) {
    area.Advance(0, 3);
}

// Label at the first tab stop, value at the next, no visible rule.
void FieldLine(LayoutArea& area, const std::string& label, const std::string& value) {
    area.NextTab();
    area.WriteField(label, value, "", 0, FieldAnchor::LabelAtCursor, 1);
    area.NewLine(kLineFactor);
}

// Label in the normal font, value in bold.
void ResultLine(ReportLayout& page, LayoutArea& area, const std::string& label, const std::string& value) {
    area.NextTab();
    area.WriteText(label);
    page.SelectFont(kFontBold);
    area.NextTab();
    area.WriteText(value);
    area.NewLine(kLineFactor);
    page.SelectFont(kFontNormal);
}

void PlainLine(LayoutArea& area, const std::string& label, const std::string& value) {
    area.NextTab();
    area.WriteText(label);
    area.NextTab();
    area.WriteText(value);
    area.NewLine(kLineFactor);
}

void Heading(ReportLayout& page, LayoutArea& area, const char* number, const char* title) {
    page.SelectFont(kFontBold);
    area.WriteText(number);
    area.NextTab();
    area.WriteText(title);
    area.NewLine(kLineFactor);
    area.Advance(0, 1);
    page.SelectFont(kFontNormal);
}

// x by a format of one number and its unit ("%.2f [mm]"): a value that is not finite cannot be computed
// and says so; a number longer than 16 characters is given in exponent form before its unit.
std::string NumberText(const char* format, double x) {
    if (!std::isfinite(x))
        return messages::Text(messages::MessageId::NotComputable);
    constexpr size_t kLongestNumber = 16;
    std::string text = Format(format, x);
    const size_t unit = text.find(' ', text.find_first_not_of(' '));
    if (unit != std::string::npos && unit > kLongestNumber)
        text = Format("%.6e", x) + text.substr(unit);
    return text;
}

// Q [m³/s] in l/s and in m³/h, each by its format.
std::string FlowText(const char* litresFormat, const char* cubicMetresFormat, double Q) {
    if (!std::isfinite(Q))
        return messages::Text(messages::MessageId::NotComputable);
    return NumberText(litresFormat, Q * kLitrePerSecond.toDisplay) + ", " +
           NumberText(cubicMetresFormat, Q * kCubicMetrePerHour.toDisplay);
}

// A partial-filling value that was not computed (0) is printed as "-".
std::string PartialText(double x, const std::string& text) {
    return x != 0 ? text : "-";
}

std::string DateLine(const platform::LocalTime& t) {
    return Format("%02d.%02d.%4d, %02d:%02d:%02d", t.day, t.month, t.year, t.hour, t.minute, t.second);
}

void WriteRoughnessLine(LayoutArea& detail, const CPlenwickDoc& doc) {
    FieldLine(detail, "Rauhigkeit k:", NumberText("%.1f [mm]", doc.GetK() * kMillimetre.toDisplay));
}

void WriteSlopeLine(LayoutArea& detail, const CPlenwickDoc& doc) {
    FieldLine(detail,
              "Druckgefälle J:", NumberText("%.3f [m/km]", doc.GetI() * kMetrePerKilometre.toDisplay));
}

void WriteLambdaLine(LayoutArea& detail, const CPlenwickDoc& doc) {
    FieldLine(detail, "Lambda:", NumberText("%.2f [1]", doc.GetLambda()));
}

void WriteReynoldsLine(LayoutArea& detail, const CPlenwickDoc& doc) {
    FieldLine(detail, "Reynoldszahl Re:", NumberText("%.2f [1]", doc.GetRe()));
}

void WritePartialFillingBlock(LayoutArea& detail, const CPlenwickDoc& doc) {
    Gap(detail);
    detail.NextTab();
    detail.WriteText("Teilfüllung:");
    detail.NewLine(kLineFactor);
    PlainLine(detail,
              "ht:", PartialText(doc.GetHt(), NumberText("%.2f [mm]", doc.GetHt() * kMillimetre.toDisplay)));
    PlainLine(detail, "Qt:", PartialText(doc.GetQt(), FlowText("%.2f [l/s]", "%.2f [m³/h]", doc.GetQt())));
    PlainLine(detail, "vt:", PartialText(doc.GetVt(), NumberText("%.2f [m/s]", doc.GetVt())));
    PlainLine(detail, "Wasserspiegelbreite:",
              PartialText(doc.GetSurfaceWidth(),
                          NumberText("%.2f [mm]", doc.GetSurfaceWidth() * kMillimetre.toDisplay)));
}

// The form's note beside the result, wrapped from the first tab stop to the area's right edge.
void WriteResultNote(platform::DrawingContext& dc, LayoutArea& detail, const std::string& note) {
    if (note.empty() || detail.Tabs().empty())
        return;
    Gap(detail);
    const int width = detail.GetRect().right - detail.Tabs().front();
    for (const std::string& line : report::WrappedLines(dc, note, width)) {
        detail.NextTab();
        detail.WriteText(line);
        detail.NewLine(kLineFactor);
    }
}

}  // namespace

void ComposeCalculationReport(platform::DrawingContext& dc, int pageWidth, int pageHeight,
                              const CPlenwickDoc& doc, const platform::LocalTime& now,
                              const platform::PrintInfo& info, const std::string& resultNote) {
    ReportLayout page(dc, pageWidth, pageHeight, 0, 0, 0, 0);
    RegisterFontsAndPens(page);
    CreateAreas(page);

    if (LayoutArea* header = page.FindArea("header")) {
        page.SelectFont(kFontNormal);
        header->Home();
        header->Advance(0, 5);
        header->WriteField("Datum:", DateLine(now), kFontNormal, 0, FieldAnchor::LabelAtCursor, 0);
    }

    if (LayoutArea* frame = page.FindArea("detailouter")) {
        page.SelectPen(kPenBorder);
        frame->DrawBorder();
    }

    if (LayoutArea* headline = page.FindArea("headline")) {
        headline->AddTab(50);
        page.SelectPen(kPenBorder);
        headline->DrawBorder();
        headline->Home();
        headline->Advance(0, 10);
        page.SelectFont(kFontHeadline1);
        const platform::TextAlign previous = dc.SetTextAlign(platform::TextAlign::Centre);
        headline->NextTab();
        headline->WriteText(
            Format("%s %s - Berechnung von Rohrparametern", record::kProgramName, record::kVersionText));
        headline->NewLine(1.0);
        page.SelectFont(kFontHeadline2);
        headline->NextTab();
        headline->WriteText("Die Berechnung erfolgt nach dem aktuellen ATV Arbeitsblatt 110 ");
        dc.SetTextAlign(previous);
    }

    if (LayoutArea* detail = page.FindArea("detail")) {
        page.SelectPen(kPenCheckbox);
        detail->AddTab(7);
        detail->AddTab(35);
        detail->AddTab(50);
        detail->Home();
        detail->Advance(0, 1);
        Heading(page, *detail, "1.", "Eingabeparameter");

        const std::string mode = doc.IsFullFilling() ? "Vollfüllung" : "Teilfüllung";
        const std::string diLine = NumberText("%.1f [mm]", doc.GetDi() * kMillimetre.toDisplay);
        const std::string vLine = NumberText("%.2f [m/s]", doc.GetV());
        const std::string qLine = FlowText("%.2f [l/s]", "%7.2f [m³/h]", doc.GetQ());
        auto sought = [&](const std::string& parameter, const char* needed) {
            FieldLine(*detail, "Gesuchter Parameter:", parameter + mode);
            Gap(*detail);
            FieldLine(*detail, "Benötigte Parameter:", needed);
        };
        switch (doc.GetSought()) {
            case SOUGHT_J:
                sought("Druckgefälle J[m/km],", "k, di, Q oder v, ny = f(T, rho), Re = f(ny, v, di)");
                Gap(*detail);
                FieldLine(*detail, "Innendurchmesser di:", diLine);
                WriteRoughnessLine(*detail, doc);
                FieldLine(*detail, "Durchflußgeschw. v:", vLine);
                FieldLine(*detail, "Durchfluß Q:", qLine);
                WriteReynoldsLine(*detail, doc);
                WriteLambdaLine(*detail, doc);
                break;
            case SOUGHT_VQ:
                sought("Durchflussgeschwindigkeit v[m/s], Durchfluß Q[m³/h], [l/s],",
                       "k, di, J, ny = f(T, rho)");
                Gap(*detail);
                FieldLine(*detail, "Innendurchmesser di:", diLine);
                WriteRoughnessLine(*detail, doc);
                WriteSlopeLine(*detail, doc);
                WriteReynoldsLine(*detail, doc);
                WriteLambdaLine(*detail, doc);
                break;
            case SOUGHT_K:
                sought("Rauhigkeit k[mm],", "Q oder v, di, J, ny = f(T, rho)");
                Gap(*detail);
                FieldLine(*detail, "Durchflußgeschw. v:", vLine);
                FieldLine(*detail, "Durchfluß Q:", qLine);
                FieldLine(*detail, "Innendurchmesser di:", diLine);
                WriteSlopeLine(*detail, doc);
                WriteReynoldsLine(*detail, doc);
                WriteLambdaLine(*detail, doc);
                break;
            case SOUGHT_DI:
                sought("Innendurchmesser di[mm],", "Lambda, J, Q oder v, g");
                FieldLine(*detail, "oder:", "Re, Q oder v, ny = f(T, rho)");
                FieldLine(*detail, "oder:", "Q und v");
                Gap(*detail);
                FieldLine(*detail, "Durchflußgeschw. v:", vLine);
                WriteRoughnessLine(*detail, doc);
                FieldLine(*detail, "Durchfluß Q:", qLine);
                WriteSlopeLine(*detail, doc);
                WriteReynoldsLine(*detail, doc);
                WriteLambdaLine(*detail, doc);
                break;
            default:
                break;
        }

        Gap(*detail);
        Heading(page, *detail, "2.", "Globale Parameter");
        FieldLine(*detail, "Erdbeschleunigung g:", NumberText("%.2f [m/s²]", doc.GetG()));
        FieldLine(*detail, "Fluiddichte rho:", NumberText("%.2f [kg/m³]", doc.GetRho()));
        FieldLine(*detail, "Fluidtemperatur T:", NumberText("%.2f [°C]", doc.GetT()));
        FieldLine(*detail, "Kinematische Zähigkeit ny:",
                  NumberText("%.2f [*10^(-6) [m²/s]]", doc.GetNy() * kMicroSquareMetrePerSecond.toDisplay));

        Gap(*detail);
        Heading(page, *detail, "3.", "Berechnete Werte");
        const int soughtParameter = doc.GetSought();
        const bool computes = soughtParameter == SOUGHT_J || soughtParameter == SOUGHT_VQ ||
                              soughtParameter == SOUGHT_K || soughtParameter == SOUGHT_DI;
        if (computes && !doc.IsCalculated()) {
            detail->NextTab();
            detail->WriteText("Kein Ergebnis berechnet.");
            detail->NewLine(kLineFactor);
        } else if (computes) {
            switch (soughtParameter) {
                case SOUGHT_J:
                    ResultLine(page, *detail, "Druckgefälle I:",
                               NumberText("%.3f [m/km]", doc.GetI() * kMetrePerKilometre.toDisplay));
                    break;
                case SOUGHT_VQ:
                    ResultLine(page, *detail, "Durchflußgeschw. v:", vLine);
                    ResultLine(page, *detail,
                               "Durchfluß Q:", FlowText("%.2f [l/s]", "%.2f [m³/h]", doc.GetQ()));
                    break;
                case SOUGHT_K:
                    ResultLine(page, *detail,
                               "Rauhigleit k:", NumberText("%.2f [mm]", doc.GetK() * kMillimetre.toDisplay));
                    break;
                case SOUGHT_DI:
                    ResultLine(page, *detail, "Innendurchmesser di:",
                               NumberText("%.2f [mm]", doc.GetDi() * kMillimetre.toDisplay));
                    break;
            }
            if (!doc.IsFullFilling())
                WritePartialFillingBlock(*detail, doc);
            WriteResultNote(dc, *detail, resultNote);
        }
    }

    if (LayoutArea* footer = page.FindArea("footer")) {
        footer->Home();
        footer->Advance(0, 60);
        page.SelectFont(kFontNormal);
        footer->WriteText("Veltrum-Berlin");
        const std::string pageText = Format("Seite %d von %d", info.currentPage, info.maxPage);
        const platform::TextAlign previous = dc.SetTextAlign(platform::TextAlign::Right);
        footer->MoveToRight();
        footer->WriteText(pageText);
        dc.SetTextAlign(previous);
    }

    page.Render();
}

#include "report/DesignSheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "messages/CurveTexts.h"
#include "messages/SheetTexts.h"
#include "platform/Number.h"
#include "record/ProgramName.h"
#include "report/ReportLayout.h"
#include "report/SheetNumbers.h"
#include "report/WrappedText.h"

namespace {

using platform::Rgb;
using platform::TextAlign;

// Fonts, sized in percent of the sheet's diagonal.
constexpr const char* kTitleFont = "SheetTitle";
constexpr const char* kSubtitleFont = "SheetSubtitle";
constexpr const char* kHeadingFont = "SheetHeading";
constexpr const char* kNormalFont = "SheetNormal";
constexpr const char* kBoldFont = "SheetBold";
constexpr const char* kResultFont = "SheetResult";
constexpr const char* kSmallFont = "SheetSmall";

// Pens, sized likewise.
constexpr const char* kFramePen = "SheetFrame";
constexpr const char* kRulePen = "SheetRule";
constexpr const char* kGridPen = "SheetGrid";
constexpr const char* kAxisPen = "SheetAxis";
constexpr const char* kPointPen = "SheetPoint";
constexpr const char* kFittedFlowPen = "FittedFlow";
constexpr const char* kFittedVelocityPen = "FittedVelocity";
constexpr const char* kExactFlowPen = "ExactFlow";
constexpr const char* kExactVelocityPen = "ExactVelocity";

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{110, 110, 110};
constexpr Rgb kGridGrey{200, 200, 200};
constexpr Rgb kFlowColour{31, 95, 191};      // as the curve window draws Qt/Q
constexpr Rgb kVelocityColour{192, 57, 43};  // and vt/v
constexpr Rgb kFailedColour{180, 20, 20};

// The sheet keeps the proportions of A4 portrait.
constexpr double kPortraitRatio = 1.4142135623730951;

constexpr double kRowSpacing = 1.3;   // value rows, in lines of their font
constexpr double kValueEnd = 0.72;    // right edge of a block's values, in its width
constexpr double kUnitStart = 0.745;  // left edge of its units
constexpr double kColumnGap = 0.04;   // between the two columns, in the body's width
constexpr double kProjectRowSpacing = 1.55;
constexpr double kLowestRatioTop = 1.2;  // the ratio axis reaches at least this
constexpr int kRemarkLines = 2;
constexpr double kLeastCurveLines = 10;  // the plot's least height, in lines of the normal font
constexpr const char* kSeparator = " · ";

struct Margins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The A4-portrait rectangle inside the page, in whole percent: a page too tall keeps the sheet at its
// top, one too wide centres it.
Margins SheetMargins(int width, int height) {
    if (width <= 0 || height <= 0)
        return {};
    if (height >= width * kPortraitRatio)
        return {0, 0, 0, static_cast<int>((1 - width * kPortraitRatio / height) * 100)};
    const int side = static_cast<int>((1 - height / kPortraitRatio / width) * 50);
    return {side, 0, side, 0};
}

void RegisterFontsAndPens(ReportLayout& page) {
    struct FontRow {
        const char* name;
        double size;
        int weight;
    };
    constexpr FontRow fonts[] = {
        {kTitleFont, 1.9, 700}, {kSubtitleFont, 0.8, 400}, {kHeadingFont, 0.9, 700}, {kNormalFont, 0.76, 400},
        {kBoldFont, 0.76, 700}, {kResultFont, 1.05, 700},  {kSmallFont, 0.6, 400}};
    constexpr int kSwissDefaultPitch = 32;
    for (const FontRow& font : fonts) {
        page.AddFont(font.size, font.name, 0, 0, 0, font.weight, 0, 0, 0, 0, 0, 0, 0, kSwissDefaultPitch,
                     "Arial");
    }
    struct PenRow {
        const char* name;
        double width;
        platform::PenStyle style;
        Rgb colour;
    };
    using platform::PenStyle;
    const PenRow pens[] = {{kFramePen, 0.15, PenStyle::Solid, kBlack},
                           {kRulePen, 0.04, PenStyle::Solid, kBlack},
                           {kGridPen, 0.03, PenStyle::Solid, kGridGrey},
                           {kAxisPen, 0.07, PenStyle::Solid, kBlack},
                           {kPointPen, 0.06, PenStyle::Dot, kGrey},
                           {kFittedFlowPen, 0.16, PenStyle::Dash, kFlowColour},
                           {kFittedVelocityPen, 0.16, PenStyle::Dash, kVelocityColour},
                           {kExactFlowPen, 0.16, PenStyle::Solid, kFlowColour},
                           {kExactVelocityPen, 0.16, PenStyle::Solid, kVelocityColour}};
    for (const PenRow& pen : pens) page.AddPen(pen.width, pen.name, pen.style, pen.colour);
}

std::string DateText(const platform::LocalTime& t) {
    return platform::Format(messages::Text(messages::SheetText::Date), t.day, t.month, t.year);
}

// A horizontal band of the body: its left edge and width in device units.
struct Column {
    int left;
    int width;
    int Right() const { return left + width; }
    int At(double fraction) const { return left + static_cast<int>(width * fraction); }
};

// Draws the sheet's parts top down; y is the top of the next line in device units.
class SheetPainter {
  public:
    SheetPainter(ReportLayout& page, LayoutArea& body)
        : m_page(page), m_dc(page.GetDC()), m_body(body), m_rect(body.GetRect()) {}

    void Body(const DesignSheetContent& content);

  private:
    Column Full() const { return {m_rect.left, m_rect.right - m_rect.left}; }
    Column Half(int which) const {
        const Column full = Full();
        const int width = static_cast<int>(full.width * (1 - kColumnGap) / 2);
        return {which == 0 ? full.left : full.Right() - width, width};
    }
    int Gap() { return LineHeight(kNormalFont, 0.8); }

    int LineHeight(const char* font, double factor);
    void Text(int x, int y, const std::string& text, TextAlign align = TextAlign::Left);
    void Rule(const char* pen, int x1, int y1, int x2, int y2);
    void Frame(const char* pen, int left, int top, int right, int bottom);

    void ProjectBox(const ProjectHeader& project);
    // A label at left and its value from valueLeft to right on ruled lines, wrapped and cut to lines.
    void ProjectField(const char* label, const std::string& value, int left, int valueLeft, int right,
                      int lines);
    void ResultBox(const DesignSheetContent& content);
    // Blocks stacked in the left and in the right column; y goes below the longer column.
    void BlockRow(const std::vector<const SheetBlock*>& left, const std::vector<const SheetBlock*>& right);
    int Block(const SheetBlock& block, Column column, int y);
    int Heading(const std::string& title, Column column, int y);
    void ChecksFullWidth(const std::vector<SheetCheck>& checks);
    int Checks(const std::vector<SheetCheck>& checks, size_t from, size_t to, Column column, int y);
    int ChecksHeight(size_t count);
    int BasisHeight(size_t lines);
    void Basis(const std::vector<std::string>& lines);
    int ApprovalHeight();
    void Approval();
    void Curves(const SheetCurves& curves, int height);

    ReportLayout& m_page;
    platform::DrawingContext& m_dc;
    LayoutArea& m_body;
    platform::Rect m_rect;
    int m_y = 0;
};

int SheetPainter::LineHeight(const char* font, double factor) {
    platform::Font* previous = m_page.SelectFont(font);
    const platform::TextMetrics metrics = m_dc.GetTextMetrics();
    m_page.RestoreFont(previous);
    return static_cast<int>((metrics.height + metrics.externalLeading) * factor);
}

void SheetPainter::Text(int x, int y, const std::string& text, TextAlign align) {
    if (text.empty())
        return;
    const TextAlign previous = m_dc.SetTextAlign(align);
    m_dc.TextOut(x, y, text);
    m_dc.SetTextAlign(previous);
}

void SheetPainter::Rule(const char* pen, int x1, int y1, int x2, int y2) {
    m_page.SelectPen(pen);
    m_dc.MoveTo(x1, y1);
    m_dc.LineTo(x2, y2);
}

void SheetPainter::Frame(const char* pen, int left, int top, int right, int bottom) {
    m_page.SelectPen(pen);
    m_dc.MoveTo(left, top);
    m_dc.LineTo(right, top);
    m_dc.LineTo(right, bottom);
    m_dc.LineTo(left, bottom);
    m_dc.LineTo(left, top);
}

void SheetPainter::Body(const DesignSheetContent& content) {
    m_y = m_rect.top;
    ProjectBox(content.project);
    m_y += Gap();
    ResultBox(content);
    m_y += Gap();
    BlockRow({&content.pipe}, {&content.fluid, &content.roughness});
    const int approvalTop = m_rect.bottom - ApprovalHeight();
    if (!content.partialFilling) {
        // The checks beside the full-filling values.
        const int top = m_y;
        BlockRow({&content.fullFilling}, {});
        m_y =
            std::max(m_y, Checks(content.checks, 0, content.checks.size(), Half(1),
                                 Heading(messages::Text(messages::SheetText::ChecksHeading), Half(1), top)) +
                              Gap());
    } else {
        BlockRow({&content.fullFilling}, {&*content.partialFilling});
        const int room = approvalTop - m_y - 2 * Gap() - ChecksHeight(content.checks.size()) -
                         BasisHeight(content.basis.size());
        // A page too small for a readable plot goes without it.
        if (content.curves && room >= LineHeight(kNormalFont, kLeastCurveLines))
            Curves(*content.curves, std::min(room, (m_rect.bottom - m_rect.top) * 3 / 10));
        ChecksFullWidth(content.checks);
        m_y += Gap();
    }
    Basis(content.basis);
    m_y = approvalTop;
    Approval();
}

int SheetPainter::BasisHeight(size_t lines) {
    return lines == 0
               ? 0
               : LineHeight(kHeadingFont, 1.5) + static_cast<int>(lines) * LineHeight(kSmallFont, 1.35);
}

void SheetPainter::Basis(const std::vector<std::string>& lines) {
    if (lines.empty())
        return;
    m_y = Heading(messages::Text(messages::SheetText::BasisHeading), Full(), m_y);
    m_page.SelectFont(kSmallFont);
    for (const std::string& line : lines) {
        Text(m_rect.left, m_y, report::ElidedText(m_dc, line, Full().width));
        m_y += LineHeight(kSmallFont, 1.35);
    }
}

int SheetPainter::ApprovalHeight() {
    return 2 * LineHeight(kNormalFont, 0.5) + 2 * LineHeight(kNormalFont, kProjectRowSpacing);
}

// Fields to sign: who drew the sheet up and who checked it, each with date and signature.
void SheetPainter::Approval() {
    const int pad = LineHeight(kNormalFont, 0.5);
    const Column full = Full();
    const int top = m_y;
    const int left = full.left + pad, right = full.Right() - pad, middle = (left + right) / 2;
    m_page.SelectFont(kBoldFont);
    const int label = m_dc.GetTextExtent(messages::Text(messages::SheetText::Prepared)).width + 2 * pad;
    m_y += pad + LineHeight(kNormalFont, kProjectRowSpacing);
    ProjectField(messages::Text(messages::SheetText::Prepared), "", left, left + label, middle - pad, 1);
    ProjectField(messages::Text(messages::SheetText::Checked), "", middle + pad, middle + pad + label, right,
                 1);
    m_page.SelectFont(kSmallFont);
    const int below = m_y + LineHeight(kNormalFont, 1.25);
    Text(left + label, below, messages::Text(messages::SheetText::DateSignature));
    Text(middle + pad + label, below, messages::Text(messages::SheetText::DateSignature));
    Frame(kRulePen, full.left, top, full.Right(), m_rect.bottom);
    m_y = m_rect.bottom;
}

void SheetPainter::ProjectField(const char* label, const std::string& value, int left, int valueLeft,
                                int right, int lines) {
    const int line = LineHeight(kNormalFont, 1.0);
    const int row = LineHeight(kNormalFont, kProjectRowSpacing);
    m_page.SelectFont(kBoldFont);
    Text(left, m_y, label);
    m_page.SelectFont(kNormalFont);
    std::string text = value;  // a text from a file may hold tabs or other control characters
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n')
            c = ' ';
    }
    std::vector<std::string> shown = report::WrappedLines(m_dc, text, right - valueLeft);
    if (static_cast<int>(shown.size()) > lines) {
        shown.resize(static_cast<size_t>(lines));
        shown.back() += " …";
    }
    shown.resize(static_cast<size_t>(lines));
    int y = m_y;
    for (const std::string& part : shown) {
        Text(valueLeft, y, report::ElidedText(m_dc, part, right - valueLeft));
        Rule(kRulePen, valueLeft, y + line + line / 8, right, y + line + line / 8);
        y += row;
    }
}

// Projekt; Abschnitt and Bearbeiter side by side; Bemerkung on up to two lines. Empty fields keep
// their rules, to be filled in by hand.
void SheetPainter::ProjectBox(const ProjectHeader& project) {
    const int pad = LineHeight(kNormalFont, 0.5);
    const int row = LineHeight(kNormalFont, kProjectRowSpacing);
    const Column full = Full();
    const int top = m_y;
    const int left = full.left + pad, right = full.Right() - pad, middle = (left + right) / 2;
    m_page.SelectFont(kBoldFont);
    const int label = m_dc.GetTextExtent(messages::Text(messages::SheetText::Remark)).width + 2 * pad;
    m_y += pad;
    ProjectField(messages::Text(messages::SheetText::Project), project.project, left, left + label, right, 1);
    m_y += row;
    ProjectField(messages::Text(messages::SheetText::Section), project.section, left, left + label,
                 middle - pad, 1);
    ProjectField(messages::Text(messages::SheetText::Engineer), project.engineer, middle + pad,
                 middle + pad + label, right, 1);
    m_y += row;
    ProjectField(messages::Text(messages::SheetText::Remark), project.remark, left, left + label, right,
                 kRemarkLines);
    m_y += row * kRemarkLines;
    Frame(kRulePen, full.left, top, full.Right(), m_y);
}

void SheetPainter::ResultBox(const DesignSheetContent& content) {
    const Column full = Full();
    const int pad = LineHeight(kNormalFont, 0.5);
    const int top = m_y;
    m_y += pad;
    m_page.SelectFont(kHeadingFont);
    Text(full.left + pad, m_y, messages::Text(messages::SheetText::ResultHeading));
    const int headingWidth = m_dc.GetTextExtent(messages::Text(messages::SheetText::ResultHeading)).width;
    m_page.SelectFont(kNormalFont);
    const int taskLeft = full.left + 3 * pad + headingWidth;
    Text(taskLeft, m_y + LineHeight(kHeadingFont, 1.0) - LineHeight(kNormalFont, 1.0),
         report::ElidedText(m_dc, content.task, full.Right() - pad - taskLeft));
    m_y += LineHeight(kHeadingFont, 1.4);

    std::string results;
    for (const std::string& result : content.results) results += (results.empty() ? "" : kSeparator) + result;
    if (results.empty())
        results = messages::Text(messages::SheetText::NoResult);
    m_page.SelectFont(kResultFont);
    for (const std::string& line : report::FittedLines(m_dc, results, full.width - 2 * pad)) {
        Text(full.left + pad, m_y, line);
        m_y += LineHeight(kResultFont, 1.25);
    }
    if (!content.partialResults.empty()) {
        std::string partial;
        for (const std::string& result : content.partialResults)
            partial += (partial.empty() ? "" : kSeparator) + result;
        partial = messages::Filled(messages::SheetText::PartialResults, {partial});
        m_page.SelectFont(kNormalFont);
        for (const std::string& line : report::FittedLines(m_dc, partial, full.width - 2 * pad)) {
            Text(full.left + pad, m_y, line);
            m_y += LineHeight(kNormalFont, kRowSpacing);
        }
    }
    m_y += pad / 2;
    Frame(kFramePen, full.left, top, full.Right(), m_y);
}

int SheetPainter::Heading(const std::string& title, Column column, int y) {
    m_page.SelectFont(kHeadingFont);
    Text(column.left, y, title);
    const int line = LineHeight(kHeadingFont, 1.0);
    Rule(kRulePen, column.left, y + line + line / 6, column.Right(), y + line + line / 6);
    return y + LineHeight(kHeadingFont, 1.5);
}

int SheetPainter::Block(const SheetBlock& block, Column column, int y) {
    y = Heading(block.title, column, y);
    const int valueRight = column.At(kValueEnd);
    const int unitLeft = column.At(kUnitStart);
    for (const SheetValue& value : block.values) {
        const char* font = value.result ? kBoldFont : kNormalFont;
        m_page.SelectFont(font);
        const std::string shown = report::ElidedText(m_dc, value.value, valueRight - column.left);
        const int room = valueRight - column.left - m_dc.GetTextExtent(shown).width - LineHeight(font, 0.5);
        Text(column.left, y, report::ElidedText(m_dc, value.quantity, std::max(0, room)));
        Text(valueRight, y, shown, TextAlign::Right);
        Text(unitLeft, y, report::ElidedText(m_dc, value.unit, column.Right() - unitLeft));
        y += LineHeight(font, kRowSpacing);
    }
    for (const std::string& text : block.lines) {
        m_page.SelectFont(kNormalFont);
        for (const std::string& line : report::FittedLines(m_dc, text, column.width)) {
            Text(column.left, y, line);
            y += LineHeight(kNormalFont, kRowSpacing);
        }
    }
    if (!block.note.empty()) {
        y += LineHeight(kSmallFont, 0.3);
        m_page.SelectFont(kSmallFont);
        for (const std::string& line : report::FittedLines(m_dc, block.note, column.width)) {
            Text(column.left, y, line);
            y += LineHeight(kSmallFont, 1.2);
        }
    }
    return y;
}

void SheetPainter::BlockRow(const std::vector<const SheetBlock*>& left,
                            const std::vector<const SheetBlock*>& right) {
    int bottom = m_y;
    for (int side = 0; side < 2; ++side) {
        int y = m_y;
        for (const SheetBlock* block : side == 0 ? left : right) y = Block(*block, Half(side), y) + Gap();
        bottom = std::max(bottom, y);
    }
    m_y = bottom;
}

int SheetPainter::ChecksHeight(size_t count) {
    return LineHeight(kHeadingFont, 1.5) + static_cast<int>((count + 1) / 2) * LineHeight(kNormalFont, 1.45);
}

void SheetPainter::ChecksFullWidth(const std::vector<SheetCheck>& checks) {
    if (checks.empty())
        return;
    const int top = Heading(messages::Text(messages::SheetText::ChecksHeading), Full(), m_y);
    const size_t half = (checks.size() + 1) / 2;
    const int left = Checks(checks, 0, half, Half(0), top);
    m_y = std::max(left, Checks(checks, half, checks.size(), Half(1), top));
}

// Each check behind its box, ticked when it is kept; a check that is not kept is said so in red.
int SheetPainter::Checks(const std::vector<SheetCheck>& checks, size_t from, size_t to, Column column,
                         int y) {
    m_page.SelectPen(kRulePen);
    for (size_t i = from; i < to; ++i) {
        const SheetCheck& check = checks[i];
        m_page.SelectFont(kNormalFont);
        const Rgb previous = m_dc.SetTextColor(check.met ? kBlack : kFailedColour);
        const std::string text =
            check.met ? check.text : messages::Filled(messages::SheetText::NotMet, {check.text});
        const int box = m_dc.GetTextMetrics().height;
        m_body.SetXPercent(m_body.XToPercent(column.left));
        m_body.SetYPercent(m_body.YToPercent(y));
        m_body.DrawCheckBox(report::ElidedText(m_dc, text, column.width - 2 * box), check.met, false);
        m_dc.SetTextColor(previous);
        y += LineHeight(kNormalFont, 1.45);
    }
    return y;
}

void SheetPainter::Curves(const SheetCurves& curves, int height) {
    const Column full = Full();
    const int top = Heading(messages::Text(messages::CurveText::Title), full, m_y);
    const int bottom = m_y + height;
    m_page.SelectFont(kSmallFont);
    const int small = LineHeight(kSmallFont, 1.0);
    double highest = kLowestRatioTop;
    for (const std::vector<SheetCurvePoint>* series : {&curves.fitted, &curves.exact}) {
        for (const SheetCurvePoint& p : *series) highest = std::max({highest, p.flow, p.velocity});
    }
    const double ratioTop = std::ceil(highest * 10 - 1e-9) / 10;

    const int plotLeft = full.left + m_dc.GetTextExtent("0,0").width + small;
    const int plotRight = full.At(0.60);
    const int plotTop = top + small * 3 / 2;
    const int plotBottom = bottom - small * 5 / 2;
    const auto X = [&](double filling) {
        return plotLeft + static_cast<int>(std::clamp(filling, 0.0, 1.0) * (plotRight - plotLeft));
    };
    const auto Y = [&](double ratio) {
        return plotBottom -
               static_cast<int>(std::clamp(ratio, 0.0, ratioTop) / ratioTop * (plotBottom - plotTop));
    };

    // Grid, scale marks and the axis titles.
    const int ratioSteps = static_cast<int>(std::lround(ratioTop * 10));
    for (int i = 1; i < 10; ++i) Rule(kGridPen, X(i / 10.0), plotTop, X(i / 10.0), plotBottom);
    for (int i = 1; i < ratioSteps; ++i) Rule(kGridPen, plotLeft, Y(i / 10.0), plotRight, Y(i / 10.0));
    Frame(kAxisPen, plotLeft, plotTop, plotRight, plotBottom);
    m_page.SelectFont(kSmallFont);
    for (int i = 0; i <= 10; i += 2)
        Text(X(i / 10.0), plotBottom + small / 4, report::ShortestText(i / 10.0), TextAlign::Centre);
    for (int i = 0; i <= ratioSteps; i += 2)
        Text(plotLeft - small / 3, Y(i / 10.0) - small / 2, report::ShortestText(i / 10.0), TextAlign::Right);
    Text((plotLeft + plotRight) / 2, plotBottom + small * 5 / 4,
         messages::Text(messages::CurveText::FillingAxis), TextAlign::Centre);
    Text(plotLeft, top, "Qt/Q, vt/v [–]");

    struct Series {
        const std::vector<SheetCurvePoint>* points;
        double SheetCurvePoint::*ratio;
        const char* pen;
        const char* label;
    };
    const Series series[] = {{&curves.fitted, &SheetCurvePoint::flow, kFittedFlowPen,
                              messages::Text(messages::CurveText::FittedFlow)},
                             {&curves.fitted, &SheetCurvePoint::velocity, kFittedVelocityPen,
                              messages::Text(messages::CurveText::FittedVelocity)},
                             {&curves.exact, &SheetCurvePoint::flow, kExactFlowPen,
                              messages::Text(messages::CurveText::ExactFlow)},
                             {&curves.exact, &SheetCurvePoint::velocity, kExactVelocityPen,
                              messages::Text(messages::CurveText::ExactVelocity)}};
    const Column legend{full.At(0.64), full.Right() - full.At(0.64)};
    const int sample = legend.width / 7;
    int legendY = plotTop;
    for (const Series& s : series) {
        if (s.points->empty())
            continue;
        m_page.SelectPen(s.pen);
        m_dc.MoveTo(X(s.points->front().filling), Y(s.points->front().*s.ratio));
        for (const SheetCurvePoint& p : *s.points) m_dc.LineTo(X(p.filling), Y(p.*s.ratio));
        Rule(s.pen, legend.left, legendY + small / 2, legend.left + sample, legendY + small / 2);
        m_page.SelectFont(kSmallFont);
        Text(legend.left + sample + small / 2, legendY, s.label);
        legendY += small * 3 / 2;
    }

    if (curves.operatingPoint) {
        const SheetCurvePoint& point = *curves.operatingPoint;
        const int marker = small / 2;
        if (point.filling <= 1) {
            const int x = X(point.filling);
            Rule(kPointPen, x, plotTop, x, plotBottom);
            m_page.SelectPen(kAxisPen);
            for (double ratio : {point.flow, point.velocity})
                m_dc.Rectangle(x - marker / 2, Y(ratio) - marker / 2, x + marker / 2 + 1,
                               Y(ratio) + marker / 2 + 1);
        }
        m_page.SelectPen(kAxisPen);
        m_dc.Rectangle(legend.left + sample / 2 - marker / 2, legendY + small / 2 - marker / 2,
                       legend.left + sample / 2 + marker / 2 + 1, legendY + small / 2 + marker / 2 + 1);
        m_page.SelectFont(kSmallFont);
        const int textLeft = legend.left + sample + small / 2;
        Text(textLeft, legendY,
             report::ElidedText(m_dc,
                                messages::Filled(messages::SheetText::OperatingPointAt,
                                                 {report::FixedText(point.filling, 3)}),
                                legend.Right() - textLeft));
        legendY += small * 3 / 2;
        Text(textLeft, legendY,
             report::ElidedText(m_dc,
                                "Qt/Q = " + report::FixedText(point.flow, 4) +
                                    ",  vt/v = " + report::FixedText(point.velocity, 4),
                                legend.Right() - textLeft));
        legendY += small * 3 / 2;
    }
    legendY += small / 2;
    for (const std::string& note : curves.notes) {
        for (const std::string& line : report::FittedLines(m_dc, note, legend.width)) {
            Text(legend.left, legendY, line);
            legendY += LineHeight(kSmallFont, 1.2);
        }
    }
    m_y = bottom + Gap();
}

void Head(ReportLayout& page, LayoutArea& head, const platform::LocalTime& now) {
    platform::DrawingContext& dc = page.GetDC();
    const platform::Rect rect = head.GetRect();
    const TextAlign previous = dc.SetTextAlign(TextAlign::Left);
    page.SelectFont(kTitleFont);
    dc.TextOut(rect.left, rect.top, messages::Text(messages::SheetText::SheetTitle));
    int y = rect.top + dc.GetTextMetrics().height;
    page.SelectFont(kSubtitleFont);
    const int line = dc.GetTextMetrics().height * 13 / 10;
    dc.TextOut(rect.left, y, messages::Text(messages::SheetText::Subtitle));
    dc.TextOut(rect.left, y + line, messages::Text(messages::SheetText::SubtitleBasis));
    dc.SetTextAlign(TextAlign::Right);
    dc.TextOut(rect.right, rect.top, DateText(now));
    dc.TextOut(rect.right, rect.top + line,
               platform::Format("%s %s", record::kProgramName, record::kVersionText));
    dc.SetTextAlign(previous);
    page.SelectPen(kFramePen);
    dc.MoveTo(rect.left, rect.bottom);
    dc.LineTo(rect.right, rect.bottom);
}

void Foot(ReportLayout& page, LayoutArea& foot, const platform::PrintInfo& info) {
    platform::DrawingContext& dc = page.GetDC();
    const platform::Rect rect = foot.GetRect();
    page.SelectPen(kRulePen);
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(rect.right, rect.top);
    page.SelectFont(kSmallFont);
    const int y = rect.top + dc.GetTextMetrics().height / 2;
    const TextAlign previous = dc.SetTextAlign(TextAlign::Left);
    dc.TextOut(rect.left, y,
               platform::Format(messages::Text(messages::SheetText::CreatedWith), record::kProgramName,
                                record::kVersionText));
    dc.SetTextAlign(TextAlign::Right);
    dc.TextOut(rect.right, y,
               platform::Format(messages::Text(messages::SheetText::PageOf), info.currentPage, info.maxPage));
    dc.SetTextAlign(previous);
}

}  // namespace

void ComposeDesignSheet(platform::DrawingContext& dc, int pageWidth, int pageHeight,
                        const DesignSheetContent& content, const platform::LocalTime& now,
                        const platform::PrintInfo& info) {
    const Margins margins = SheetMargins(pageWidth, pageHeight);
    ReportLayout page(dc, pageWidth, pageHeight, margins.left, margins.top, margins.right, margins.bottom);
    RegisterFontsAndPens(page);
    page.AddArea(7, 3, 6, 91, "head");
    page.AddArea(7, 10, 6, 5, "body");
    page.AddArea(7, 96, 6, 1, "foot");
    if (LayoutArea* head = page.FindArea("head"))
        Head(page, *head, now);
    if (LayoutArea* body = page.FindArea("body"))
        SheetPainter(page, *body).Body(content);
    if (LayoutArea* foot = page.FindArea("foot"))
        Foot(page, *foot, info);
    page.Render();
}

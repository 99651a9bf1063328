#include "form/FillingCurvePlot.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "messages/CurveTexts.h"
#include "platform/Number.h"

namespace {

using hydraulics::FillingRatios;

constexpr double kLowestTop = 1.2;
constexpr platform::Rgb kFlowColour{31, 95, 191};
constexpr platform::Rgb kVelocityColour{192, 57, 43};
constexpr platform::Rgb kAxisColour{40, 40, 40};
constexpr platform::Rgb kGridColour{215, 215, 215};
constexpr platform::Rgb kPointColour{110, 110, 110};

// A number of the scales: one decimal, with a decimal comma.
std::string Scale(double value) {
    std::string text = platform::FixedText(value, 1);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

struct Series {
    messages::CurveText name;
    platform::Rgb colour;
    bool exact;
    double FillingRatios::*ratio;
};
constexpr Series kSeries[] = {
    {messages::CurveText::FittedFlow, kFlowColour, false, &FillingRatios::flow},
    {messages::CurveText::ExactFlow, kFlowColour, true, &FillingRatios::flow},
    {messages::CurveText::FittedVelocity, kVelocityColour, false, &FillingRatios::velocity},
    {messages::CurveText::ExactVelocity, kVelocityColour, true, &FillingRatios::velocity},
};

// Selects a pen made here for the scope; the context's previous pen goes back at the end.
class PenScope {
  public:
    PenScope(platform::DrawingContext& dc, platform::PenStyle style, platform::Rgb colour, int width = 1)
        : m_dc(dc), m_pen(dc.CreatePen({style, width, colour})), m_previous(dc.SelectPen(m_pen.get())) {}
    ~PenScope() {
        if (m_previous)
            m_dc.SelectPen(m_previous);
    }
    PenScope(const PenScope&) = delete;
    PenScope& operator=(const PenScope&) = delete;

  private:
    platform::DrawingContext& m_dc;
    std::unique_ptr<platform::Pen> m_pen;
    platform::Pen* m_previous;
};

void DrawPlot(platform::DrawingContext& dc, const FillingCurves& curves, const platform::Rect& plot,
              const platform::Rect& area, int textHeight);

}  // namespace

double FillingCurvePlotTop(const FillingCurves& curves) {
    double highest = 0;
    for (const FillingCurvePoint& point : curves.points) {
        highest = std::max({highest, point.fitted.flow, point.fitted.velocity});
        if (point.exact)
            highest = std::max({highest, point.exact->flow, point.exact->velocity});
    }
    return std::max(kLowestTop, std::ceil(highest * 10) / 10);
}

void DrawFillingCurvePlot(platform::DrawingContext& dc, const FillingCurves& curves,
                          const platform::Rect& area, int textHeight) {
    platform::FontSpec attributes;
    attributes.height = -textHeight;
    attributes.weight = 400;
    attributes.faceName = "Arial";
    const std::unique_ptr<platform::Font> font = dc.CreateFont(attributes);
    platform::Font* previousFont = dc.SelectFont(font.get());
    const platform::TextAlign previousAlign = dc.SetTextAlign(platform::TextAlign::Centre);
    const platform::Rgb previousColour = dc.SetTextColor(kAxisColour);
    const int line = textHeight * 3 / 2;

    // Title and conditions above, the legend at the right, the scales' labels at the left and below.
    const int middle = (area.left + area.right) / 2;
    dc.TextOut(middle, area.top, messages::Text(messages::CurveText::ChartTitle));
    dc.TextOut(middle, area.top + line, FillingCurvesConditions(curves));
    const int legendWidth =
        dc.GetTextExtent(messages::Text(messages::CurveText::FittedVelocity)).width + 4 * textHeight;
    const platform::Rect plot{area.left + 4 * textHeight, area.top + 4 * line,
                              area.right - legendWidth - textHeight, area.bottom - 3 * line};
    if (plot.right - plot.left >= 10 && plot.bottom - plot.top >= 10)
        DrawPlot(dc, curves, plot, area, textHeight);
    dc.SetTextColor(previousColour);
    dc.SetTextAlign(previousAlign);
    dc.SelectFont(previousFont);
}

namespace {

void DrawPlot(platform::DrawingContext& dc, const FillingCurves& curves, const platform::Rect& plot,
              const platform::Rect& area, int textHeight) {
    const int line = textHeight * 3 / 2;
    const int middle = (plot.left + plot.right) / 2;
    const double top = FillingCurvePlotTop(curves);
    const auto x = [&](double filling) {
        return plot.left + static_cast<int>(std::lround(filling * (plot.right - plot.left)));
    };
    const auto y = [&](double ratio) {
        return plot.bottom - static_cast<int>(std::lround(ratio / top * (plot.bottom - plot.top)));
    };

    {
        const PenScope grid(dc, platform::PenStyle::Solid, kGridColour);
        for (int i = 1; i <= 10; ++i) {
            dc.MoveTo(x(i / 10.0), plot.top);
            dc.LineTo(x(i / 10.0), plot.bottom);
        }
        const int ticks = static_cast<int>(std::lround(top * 10));
        for (int i = 1; i <= ticks; ++i) {
            dc.MoveTo(plot.left, y(i / 10.0));
            dc.LineTo(plot.right, y(i / 10.0));
        }
    }
    {
        const PenScope axes(dc, platform::PenStyle::Solid, kAxisColour);
        dc.MoveTo(plot.left, plot.top);
        dc.LineTo(plot.left, plot.bottom);
        dc.LineTo(plot.right, plot.bottom);
    }
    for (int i = 0; i <= 10; ++i) dc.TextOut(x(i / 10.0), plot.bottom + textHeight / 3, Scale(i / 10.0));
    dc.TextOut(middle, plot.bottom + line + textHeight / 3, messages::Text(messages::CurveText::FillingAxis));
    dc.SetTextAlign(platform::TextAlign::Right);
    const int ticks = static_cast<int>(std::lround(top * 10));
    for (int i = 0; i <= ticks; ++i)
        dc.TextOut(plot.left - textHeight / 2, y(i / 10.0) - textHeight / 2, Scale(i / 10.0));
    dc.SetTextAlign(platform::TextAlign::Left);
    dc.TextOut(area.left, plot.top - line, messages::Text(messages::CurveText::RatioAxis));

    // The curves, and their legend at the right.
    int legendTop = plot.top;
    for (const Series& series : kSeries) {
        const PenScope pen(dc, series.exact ? platform::PenStyle::Solid : platform::PenStyle::Dash,
                           series.colour, series.exact ? 2 : 1);
        bool drawing = false;
        for (const FillingCurvePoint& point : curves.points) {
            const FillingRatios* ratios =
                series.exact ? (point.exact ? &*point.exact : nullptr) : &point.fitted;
            if (!ratios) {
                drawing = false;
                continue;
            }
            const int px = x(point.filling);
            const int py = y(std::min(top, (*ratios).*series.ratio));
            if (drawing) {
                dc.LineTo(px, py);
            } else {
                dc.MoveTo(px, py);
                drawing = true;
            }
        }
        const int legendLeft = plot.right + textHeight;
        dc.MoveTo(legendLeft, legendTop + textHeight / 2);
        dc.LineTo(legendLeft + 2 * textHeight, legendTop + textHeight / 2);
        dc.TextOut(legendLeft + 5 * textHeight / 2, legendTop, messages::Text(series.name));
        legendTop += line;
    }

    // The operating point where it lies inside the section: fitted as squares, exact as crosses.
    if (curves.operatingPoint && curves.operatingPoint->filling <= 1) {
        const FillingCurvePoint& point = *curves.operatingPoint;
        const PenScope pen(dc, platform::PenStyle::Dot, kPointColour);
        dc.MoveTo(x(point.filling), plot.top);
        dc.LineTo(x(point.filling), plot.bottom);
        const int mark = std::max(2, textHeight / 3);
        const PenScope marks(dc, platform::PenStyle::Solid, kAxisColour);
        for (const double ratio : {point.fitted.flow, point.fitted.velocity}) {
            const int py = y(std::min(top, ratio));
            dc.Rectangle(x(point.filling) - mark, py - mark, x(point.filling) + mark + 1, py + mark + 1);
        }
        if (point.exact) {
            for (const double ratio : {point.exact->flow, point.exact->velocity}) {
                const int py = y(std::min(top, ratio));
                dc.MoveTo(x(point.filling) - mark, py - mark);
                dc.LineTo(x(point.filling) + mark + 1, py + mark + 1);
                dc.MoveTo(x(point.filling) - mark, py + mark);
                dc.LineTo(x(point.filling) + mark + 1, py - mark - 1);
            }
        }
    }
}

}  // namespace

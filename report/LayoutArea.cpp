#include "report/LayoutArea.h"

#include <cmath>

#include "report/DeviceUnits.h"
#include "report/ReportLayout.h"

using platform::TextAlign;
using report::ShiftedUnits;
using report::TruncatedUnits;

namespace {

// Margins are percentages scaled by 0.01 held in single precision (0.00999999977648258).
constexpr float kMarginScale = 0.01f;

constexpr double kFieldGapOfDiagonal = 0.002;
constexpr double kCheckBoxGapOfDiagonal = 0.004;

double MarginFraction(int percent) {
    return percent * static_cast<double>(kMarginScale);
}

int Inset(int size, double fraction) {
    return TruncatedUnits(size * fraction);
}

// Where a coordinate lies along an extent of the area, in percent; 0 for an empty extent.
double PercentAlong(double offset, int extent) {
    return extent == 0 ? 0 : offset * 100.0 / extent;
}

}  // namespace

LayoutArea::LayoutArea(ReportLayout* owner, const std::string& name, int outerLeft, int outerTop,
                       int outerRight, int outerBottom, int leftMargin, int topMargin, int rightMargin,
                       int bottomMargin)
    : m_owner(owner), m_parent(nullptr) {
    LayoutArea::Place(name, outerLeft, outerTop, outerRight, outerBottom, leftMargin, topMargin, rightMargin,
                      bottomMargin);
}

LayoutArea::LayoutArea(ReportLayout* owner, const std::string& name, LayoutArea* parent, int leftMargin,
                       int topMargin, int rightMargin, int bottomMargin)
    : m_owner(owner), m_parent(parent) {
    const platform::Rect outer = parent ? parent->GetRect() : platform::Rect{};
    LayoutArea::Place(name, outer.left, outer.top, outer.right, outer.bottom, leftMargin, topMargin,
                      rightMargin, bottomMargin);
}

LayoutArea::~LayoutArea() = default;

platform::Extent LayoutArea::DrawCheckBox(const std::string& text, bool ticked, bool noText) {
    LayoutArea* root = RootArea();
    if (!root)
        return {};
    platform::DrawingContext& dc = DC();
    const int gap = TruncatedUnits(root->Diagonal() * kCheckBoxGapOfDiagonal);
    const int h = dc.GetTextMetrics().height;
    const int x0 = m_cursorX;
    const int y = m_cursorY;
    if (noText) {
        m_cursorX = ShiftedUnits(x0, h);
    } else {
        const int w = dc.GetTextExtent(text).width;
        const TextAlign previous = dc.SetTextAlign(TextAlign::Left);
        m_cursorX = ShiftedUnits(ShiftedUnits(x0, h), gap);
        dc.TextOut(m_cursorX, y, text);
        m_cursorX = ShiftedUnits(m_cursorX, w);
        dc.SetTextAlign(previous);
    }
    dc.Rectangle(x0, y, ShiftedUnits(x0, h), ShiftedUnits(y, h));
    if (ticked) {
        const int a = TruncatedUnits(h * 0.2);
        const int m = TruncatedUnits(h * 0.5);
        dc.MoveTo(ShiftedUnits(x0, a), ShiftedUnits(y, m));
        dc.LineTo(ShiftedUnits(x0, m), ShiftedUnits(y, static_cast<long long>(h) - a));
        dc.LineTo(ShiftedUnits(x0, static_cast<long long>(h) - a), ShiftedUnits(y, a));
    }
    return {report::SaturatedUnits(static_cast<long long>(m_cursorX) - x0), h};
}

void LayoutArea::SetXPercent(double percent) {
    m_cursorX = ShiftedUnits(m_left, PercentToWidth(percent));
}

void LayoutArea::SetYPercent(double percent) {
    m_cursorY = ShiftedUnits(m_top, PercentToHeight(percent));
}

void LayoutArea::MoveToRight() {
    m_cursorX = m_right;
}

double LayoutArea::GetXPercent() const {
    return XToPercent(m_cursorX);
}

double LayoutArea::DrawLine(double across, double down, double length, bool advance) {
    const int start = ShiftedUnits(m_cursorX, PercentToWidth(across));
    const int y = ShiftedUnits(m_cursorY, PercentToHeight(down));
    const int end = ShiftedUnits(start, PercentToWidth(length));
    platform::DrawingContext& dc = DC();
    dc.MoveTo(start, y);
    dc.LineTo(end, y);
    if (advance)
        m_cursorX = end;
    return XToPercent(end);
}

void LayoutArea::WriteField(const std::string& label, const std::string& value, const std::string& valueFont,
                            double length, FieldAnchor anchor, int tabSteps) {
    LayoutArea* root = RootArea();
    if (!root)
        return;
    if (anchor != FieldAnchor::LabelAtCursor && anchor != FieldAnchor::FieldEndsAtCursor &&
        anchor != FieldAnchor::LabelEndsAtCursor)
        return;
    platform::DrawingContext& dc = DC();
    const std::unique_ptr<platform::Pen> rulePen =
        dc.CreatePen({platform::PenStyle::Solid, 1, platform::Rgb{}});
    const bool upTo = length < 0;
    if (upTo)
        length = -length;
    const int gap = TruncatedUnits(root->Diagonal() * kFieldGapOfDiagonal);
    const int h = dc.GetTextMetrics().height;

    switch (anchor) {
        case FieldAnchor::LabelAtCursor: {
            const TextAlign previous = dc.SetTextAlign(TextAlign::Left);
            WriteText(label);
            if (!label.empty())
                m_cursorX = ShiftedUnits(m_cursorX, gap);
            m_cursorY = ShiftedUnits(m_cursorY, h);
            for (int step = 0; step < tabSteps; ++step) NextTab();
            const double end = DrawFieldRule(length, upTo, rulePen.get());
            m_cursorY = ShiftedUnits(m_cursorY, -static_cast<long long>(h));
            WriteInFont(value, valueFont);
            SetXPercent(end);
            dc.SetTextAlign(previous);
            break;
        }
        case FieldAnchor::FieldEndsAtCursor: {
            const int x0 = m_cursorX;
            m_cursorX = ShiftedUnits(m_cursorX, -static_cast<long long>(PercentToWidth(length)));
            const int valueWidth = WriteInFont(value, valueFont).width;
            m_cursorX = ShiftedUnits(m_cursorX, -static_cast<long long>(valueWidth));
            m_cursorY = ShiftedUnits(m_cursorY, h);
            const double end = DrawFieldRule(length, upTo, rulePen.get());
            m_cursorY = ShiftedUnits(m_cursorY, -static_cast<long long>(h));
            m_cursorX = ShiftedUnits(m_cursorX, -static_cast<long long>(gap));
            const TextAlign previous = dc.SetTextAlign(TextAlign::Right);
            WriteText(label);
            SetXPercent(end);
            dc.SetTextAlign(previous);
            m_cursorX = x0;
            break;
        }
        case FieldAnchor::LabelEndsAtCursor: {
            const TextAlign previous = dc.SetTextAlign(TextAlign::Right);
            m_cursorX = ShiftedUnits(m_cursorX, WriteText(label).width);
            dc.SetTextAlign(TextAlign::Left);
            if (!label.empty())
                m_cursorX = ShiftedUnits(m_cursorX, gap);
            m_cursorY = ShiftedUnits(m_cursorY, h);
            const double end = DrawFieldRule(length, upTo, rulePen.get());
            m_cursorY = ShiftedUnits(m_cursorY, -static_cast<long long>(h));
            WriteInFont(value, valueFont);
            SetXPercent(end);
            dc.SetTextAlign(previous);
            break;
        }
    }
}

double LayoutArea::DrawFieldRule(double length, bool upTo, platform::Pen* rulePen) {
    if (upTo)
        length -= XToPercent(m_cursorX);
    platform::DrawingContext& dc = DC();
    platform::Pen* previous = rulePen ? dc.SelectPen(rulePen) : nullptr;
    const double end = DrawLine(0, 0, length, false);
    if (previous)
        dc.SelectPen(previous);
    return end;
}

platform::Extent LayoutArea::WriteInFont(const std::string& text, const std::string& fontName) {
    if (fontName.empty())
        return WriteText(text);
    platform::Font* previous = m_owner->SelectFont(fontName);
    const platform::Extent extent = WriteText(text);
    m_owner->RestoreFont(previous);
    return extent;
}

void LayoutArea::NewLine(double factor) {
    const platform::TextMetrics metrics = DC().GetTextMetrics();
    m_cursorX = m_left;
    m_nextTab = 0;
    const double lineHeight = static_cast<double>(metrics.height) + metrics.externalLeading;
    m_cursorY = ShiftedUnits(m_cursorY, TruncatedUnits(lineHeight * factor));
}

void LayoutArea::Advance(double across, double down) {
    m_cursorX = ShiftedUnits(m_cursorX, PercentToWidth(across));
    m_cursorY = ShiftedUnits(m_cursorY, PercentToHeight(down));
}

// Exact in double for every page whose squared diagonal fits 53 bits, and free of integer overflow.
double LayoutArea::Diagonal() const {
    const double width = Width();
    const double height = Height();
    return std::sqrt(height * height + width * width);
}

platform::Extent LayoutArea::WriteText(const std::string& text) {
    platform::DrawingContext& dc = DC();
    const platform::Extent extent = dc.GetTextExtent(text);
    dc.TextOut(m_cursorX, m_cursorY, text);
    const bool leftward = platform::ExtendsLeftOfPoint(dc.GetTextAlign());
    m_cursorX = ShiftedUnits(m_cursorX, leftward ? -static_cast<long long>(extent.width) : extent.width);
    return extent;
}

void LayoutArea::NextTab() {
    if (m_nextTab <= static_cast<long long>(m_tabs.size()) - 1)
        GoToTab(m_nextTab);
}

void LayoutArea::Home() {
    m_cursorX = m_left;
    m_cursorY = m_top;
    m_nextTab = 0;
}

void LayoutArea::GoToTab(int index) {
    const long long last = static_cast<long long>(m_tabs.size()) - 1;
    if (index < 0 || index > last)
        return;
    m_cursorX = m_tabs[static_cast<std::size_t>(index)];
    m_nextTab = index < last ? index + 1 : index;
}

void LayoutArea::AddTab(int percent) {
    m_tabs.push_back(ShiftedUnits(m_left, PercentToWidth(percent)));
}

void LayoutArea::Render() {
    for (const auto& child : m_children) child->Render();
}

void LayoutArea::DrawBorder() {
    DC().Rectangle(m_left, m_top, m_right, m_bottom);
}

platform::Rect LayoutArea::GetRect() const {
    return {m_left, m_top, m_right, m_bottom};
}

double LayoutArea::XToPercent(int x) const {
    return PercentAlong(static_cast<double>(x) - m_left, Width());
}

int LayoutArea::PercentToWidth(double percent) const {
    return TruncatedUnits(Width() * percent * 0.01);
}

double LayoutArea::YToPercent(int y) const {
    return PercentAlong(static_cast<double>(y) - m_top, Height());
}

int LayoutArea::PercentToHeight(double percent) const {
    return TruncatedUnits(Height() * percent * 0.01);
}

LayoutArea* LayoutArea::CreateChild(ReportLayout* owner, const std::string& name, int leftMargin,
                                    int topMargin, int rightMargin, int bottomMargin) {
    m_children.push_back(
        std::make_unique<LayoutArea>(owner, name, this, leftMargin, topMargin, rightMargin, bottomMargin));
    return m_children.back().get();
}

int LayoutArea::Width() const {
    return report::SaturatedUnits(static_cast<long long>(m_right) - m_left);
}

int LayoutArea::Height() const {
    return report::SaturatedUnits(static_cast<long long>(m_bottom) - m_top);
}

void LayoutArea::Place(const std::string& name, int outerLeft, int outerTop, int outerRight, int outerBottom,
                       int leftMargin, int topMargin, int rightMargin, int bottomMargin) {
    m_leftMargin = MarginFraction(leftMargin);
    m_topMargin = MarginFraction(topMargin);
    m_rightMargin = MarginFraction(rightMargin);
    m_bottomMargin = MarginFraction(bottomMargin);
    const int width = report::SaturatedUnits(static_cast<long long>(outerRight) - outerLeft);
    const int height = report::SaturatedUnits(static_cast<long long>(outerBottom) - outerTop);
    m_left = ShiftedUnits(outerLeft, Inset(width, m_leftMargin));
    m_top = ShiftedUnits(outerTop, Inset(height, m_topMargin));
    m_right = ShiftedUnits(outerRight, -static_cast<long long>(Inset(width, m_rightMargin)));
    m_bottom = ShiftedUnits(outerBottom, -static_cast<long long>(Inset(height, m_bottomMargin)));
    m_name = name;
    m_cursorX = 0;
    m_cursorY = 0;
    m_nextTab = 0;
}

platform::DrawingContext& LayoutArea::DC() const {
    return m_owner->GetDC();
}

LayoutArea* LayoutArea::RootArea() const {
    return m_owner->FindArea("_ROOT");
}

// One named rectangle of a report page, with a text cursor, tab stops and child areas.
//
// Positions inside an area are percentages of its width or height; every conversion to device units
// truncates toward zero. Drawing is immediate: each operation draws on the page's drawing context at
// once and moves the cursor. Every operation reaches the others through the virtual slots, so a derived
// area kind can replace any of them.
//
// An area of zero width or height is valid: XToPercent / YToPercent give 0 for it, so rules and fields
// in it collapse onto its left edge.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/DrawingContext.h"

class ReportLayout;

// Where WriteField puts label, rule and value relative to the cursor. Any other value draws nothing.
enum class FieldAnchor : int { LabelAtCursor = 0, FieldEndsAtCursor = 2, LabelEndsAtCursor = 6 };

class LayoutArea {
  public:
    // The root: placed in the outer rectangle with the margins (integer percent).
    LayoutArea(ReportLayout* owner, const std::string& name, int outerLeft, int outerTop, int outerRight,
               int outerBottom, int leftMargin, int topMargin, int rightMargin, int bottomMargin);
    // A child: placed in the parent's rectangle.
    LayoutArea(ReportLayout* owner, const std::string& name, LayoutArea* parent, int leftMargin,
               int topMargin, int rightMargin, int bottomMargin);
    virtual ~LayoutArea();
    LayoutArea(const LayoutArea&) = delete;
    LayoutArea& operator=(const LayoutArea&) = delete;

    // Box of the selected font's character height at the cursor, a gap, then the text; returns the
    // width advanced and the height. With noText the box alone is drawn and the cursor moves past it.
    virtual platform::Extent DrawCheckBox(const std::string& text, bool ticked, bool noText);
    virtual void SetXPercent(double percent);
    virtual void SetYPercent(double percent);
    virtual void MoveToRight();
    virtual double GetXPercent() const;
    // Horizontal line from the cursor offset by (across, down) percent, length percent of the width;
    // returns its end in percent of the width.
    virtual double DrawLine(double across, double down, double length, bool advance);
    // Label, a 1-unit black rule one character height below the cursor line, and the value on the rule.
    // A negative length runs the rule up to |length| percent of the width. valueFont: a font name of
    // the page, or empty for the current font. tabSteps: tab stops to pass before the rule (anchor
    // LabelAtCursor only).
    virtual void WriteField(const std::string& label, const std::string& value, const std::string& valueFont,
                            double length, FieldAnchor anchor, int tabSteps);
    // Back to the left edge, one line (character height plus external leading, times factor) down.
    virtual void NewLine(double factor);
    virtual void Advance(double across, double down);
    virtual double Diagonal() const;
    // Writes at the cursor with the current alignment; moves right by the width for left alignment,
    // left for right and centre alignment. Returns the text's extent.
    virtual platform::Extent WriteText(const std::string& text);
    virtual void NextTab();
    virtual void Home();
    // To stop index; the following NextTab goes to the stop after it (the last stop repeats).
    virtual void GoToTab(int index);
    virtual void AddTab(int percent);
    virtual void Render();
    virtual void DrawBorder();
    virtual platform::Rect GetRect() const;
    virtual double XToPercent(int x) const;
    virtual int PercentToWidth(double percent) const;
    virtual double YToPercent(int y) const;
    virtual int PercentToHeight(double percent) const;
    virtual LayoutArea* CreateChild(ReportLayout* owner, const std::string& name, int leftMargin,
                                    int topMargin, int rightMargin, int bottomMargin);
    virtual int Width() const;
    virtual int Height() const;
    // Fixes the rectangle inside the outer one; the cursor goes to (0, 0) until Home or both SetPercents.
    virtual void Place(const std::string& name, int outerLeft, int outerTop, int outerRight, int outerBottom,
                       int leftMargin, int topMargin, int rightMargin, int bottomMargin);

    const std::string& Name() const { return m_name; }
    LayoutArea* Parent() const { return m_parent; }
    const std::vector<std::unique_ptr<LayoutArea>>& Children() const { return m_children; }
    const std::vector<int>& Tabs() const { return m_tabs; }
    int CursorX() const { return m_cursorX; }
    int CursorY() const { return m_cursorY; }

  protected:
    platform::DrawingContext& DC() const;
    // The page's "_ROOT" area, whose diagonal sizes gaps; nullptr when none is registered.
    LayoutArea* RootArea() const;

    double m_leftMargin = 0, m_topMargin = 0, m_rightMargin = 0, m_bottomMargin = 0;  // fractions
    int m_left = 0, m_top = 0, m_right = 0, m_bottom = 0;
    ReportLayout* m_owner;
    LayoutArea* m_parent;
    std::string m_name;
    std::vector<std::unique_ptr<LayoutArea>> m_children;
    std::vector<int> m_tabs;  // absolute x positions, in the order added
    int m_cursorX = 0, m_cursorY = 0;
    int m_nextTab = 0;

  private:
    // The field rule with the private pen (nullptr: the selected pen); returns its end percent.
    double DrawFieldRule(double length, bool upTo, platform::Pen* rulePen);
    // The value in the named font (empty: the current one), which is restored afterwards.
    platform::Extent WriteInFont(const std::string& text, const std::string& fontName);
};

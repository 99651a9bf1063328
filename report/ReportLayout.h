// A report page: a tree of named areas on a drawing context, with named fonts and pens sized in percent
// of the root area's diagonal, so that the same calls give the same page at any resolution.
//
// Made for one pass: compose, render, destroy. Destruction selects back the font and pen that the first
// successful SelectFont / SelectPen replaced, then releases areas, fonts and pens.
#pragma once

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/DrawingContext.h"
#include "report/LayoutArea.h"

class ReportLayout {
  public:
    // The root area "_ROOT" is placed in (0, 0, pageWidth, pageHeight) with the margins (integer percent).
    ReportLayout(platform::DrawingContext& dc, int pageWidth, int pageHeight, int leftMargin, int topMargin,
                 int rightMargin, int bottomMargin);
    virtual ~ReportLayout();
    ReportLayout(const ReportLayout&) = delete;
    ReportLayout& operator=(const ReportLayout&) = delete;

    virtual platform::DrawingContext& GetDC();
    // Selects the font (nullptr: nothing) and returns the one it replaced.
    virtual platform::Font* RestoreFont(platform::Font* font);
    // Selects a registered font or pen; an unknown name changes nothing and returns nullptr.
    virtual platform::Font* SelectFont(const std::string& name);
    virtual platform::Pen* SelectPen(const std::string& name);
    // Registers a font of heightPercent of the root diagonal as character height; the byte attributes
    // use their low byte. On failure shows "Konnte den Font: <face> nicht erstellen!" and returns false.
    virtual bool AddFont(double heightPercent, const std::string& name, int width, int escapement,
                         int orientation, int weight, int italic, int underline, int strikeOut, int charSet,
                         int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                         const std::string& faceName);
    // Registers a pen of widthPercent of the root diagonal. On failure shows
    // "Konnte den Pen: <name> nicht erstellen!" and returns false.
    virtual bool AddPen(double widthPercent, const std::string& name, platform::PenStyle style,
                        platform::Rgb colour);
    virtual LayoutArea* FindArea(const std::string& name);
    virtual void Render();
    // A child of "_ROOT".
    virtual bool AddArea(int leftMargin, int topMargin, int rightMargin, int bottomMargin,
                         const std::string& name);
    // A child of a registered area; the name then finds the new area (an earlier one stays in the tree).
    virtual bool AddSubArea(const std::string& parentName, int leftMargin, int topMargin, int rightMargin,
                            int bottomMargin, const std::string& name);

  protected:
    template <class T>
    using Registry = std::unordered_map<std::string, T*>;

    platform::DrawingContext* m_dc;
    std::unique_ptr<LayoutArea> m_root;
    Registry<LayoutArea> m_areas;
    std::vector<std::unique_ptr<platform::Font>> m_fonts;
    Registry<platform::Font> m_fontsByName;
    std::vector<std::unique_ptr<platform::Pen>> m_pens;
    Registry<platform::Pen> m_pensByName;
    platform::Font* m_firstReplacedFont = nullptr;
    platform::Pen* m_firstReplacedPen = nullptr;
};

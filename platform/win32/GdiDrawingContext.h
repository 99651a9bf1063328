// The drawing context over a GDI device context: the printer's, the print preview's, a bitmap's or an
// enhanced metafile's.
//
// Coordinates are the device context's logical units: the printer's dots under the default mapping, the
// page's dots where the preview maps the page onto its window. Text is placed by GDI's own alignment
// (TA_TOP with TA_LEFT, TA_RIGHT or TA_CENTER, whose values the interface's TextAlign shares) and drawn
// without filling its background, so that it never blanks the lines beneath it. Rectangles are filled
// with the white stock brush. Pens wider than one unit have round ends and joins.
//
// The context saves the device context's state when it is made and restores it when it goes, which also
// deselects every font and pen it selected.
#pragma once

#include <memory>

#include "platform/DrawingContext.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

class GdiDrawingContext final : public platform::DrawingContext {
  public:
    // The font and pen selected in dc at construction are the stock objects.
    explicit GdiDrawingContext(HDC dc);
    ~GdiDrawingContext() override;
    GdiDrawingContext(const GdiDrawingContext&) = delete;
    GdiDrawingContext& operator=(const GdiDrawingContext&) = delete;

    platform::TextMetrics GetTextMetrics() override;
    platform::Extent GetTextExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    platform::TextAlign GetTextAlign() override;
    platform::TextAlign SetTextAlign(platform::TextAlign align) override;
    platform::Rgb SetTextColor(platform::Rgb colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    std::unique_ptr<platform::Font> CreateFont(const platform::FontSpec& attributes) override;
    std::unique_ptr<platform::Pen> CreatePen(const platform::PenSpec& attributes) override;
    platform::Font* SelectFont(platform::Font* font) override;
    platform::Pen* SelectPen(platform::Pen* pen) override;

  private:
    template <typename Base, typename Handle>
    class GdiObject;
    using GdiFont = GdiObject<platform::Font, HFONT>;
    using GdiPen = GdiObject<platform::Pen, HPEN>;
    template <typename Base, typename Handle>
    Base* Select(Base* object, Base*& selected);

    HDC m_dc;
    int m_savedState;
    std::unique_ptr<GdiFont> m_stockFont;
    std::unique_ptr<GdiPen> m_stockPen;
    platform::Font* m_selectedFont;
    platform::Pen* m_selectedPen;
};

}  // namespace platform::win32

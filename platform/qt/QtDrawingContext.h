// The drawing context over a QPainter: printer, print preview, PDF and owner-drawn widgets alike.
//
// Coordinates are the paint device's own units (printer dots in high resolution). The text alignment
// and text colour are state of this context, applied at each TextOut: the top of the text is at the
// reference point, the alignment places it left of, right of or centred on it. Fonts are measured on
// the paint device. Rectangles are filled white. A line of length 0 draws nothing.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <memory>

#include "platform/DrawingContext.h"

class QPainter;

namespace qtbackend {

// A font as requested: a negative height is the character height in device units, a positive one
// the cell height, weight 700 is bold. Faces without a font of their own resolve through fontconfig
// ("Arial" to Liberation Sans).
QFont FontFor(const platform::FontSpec& attributes, const QFont& defaultFont, const QPaintDevice* device);
QPen PenFor(const platform::PenSpec& attributes);

class QtDrawingContext : public platform::DrawingContext {
  public:
    // The painter's font at construction is the stock font; the stock pen is solid, 1 unit, black.
    explicit QtDrawingContext(QPainter& painter);
    ~QtDrawingContext() override;
    QtDrawingContext(const QtDrawingContext&) = delete;
    QtDrawingContext& operator=(const QtDrawingContext&) = delete;

    platform::TextMetrics GetTextMetrics() override;
    platform::Extent GetTextExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    platform::TextAlign GetTextAlign() override { return m_align; }
    platform::TextAlign SetTextAlign(platform::TextAlign align) override;
    platform::Rgb SetTextColor(platform::Rgb colour) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    std::unique_ptr<platform::Font> CreateFont(const platform::FontSpec& attributes) override;
    std::unique_ptr<platform::Pen> CreatePen(const platform::PenSpec& attributes) override;
    platform::Font* SelectFont(platform::Font* font) override;
    platform::Pen* SelectPen(platform::Pen* pen) override;

    const QFont& CurrentFont() const { return m_font; }
    const QPen& CurrentPen() const { return m_pen; }

  private:
    class ContextFont;
    class ContextPen;

    QPainter& m_painter;
    std::unique_ptr<ContextFont> m_stockFont;
    std::unique_ptr<ContextPen> m_stockPen;
    platform::Font* m_selectedFont;
    platform::Pen* m_selectedPen;
    QFont m_font;
    int m_escapement = 0;  // tenths of a degree, counter-clockwise
    QPen m_pen;
    platform::TextAlign m_align = platform::TextAlign::Left;
    platform::Rgb m_textColour;
    QPoint m_current;
};

}  // namespace qtbackend

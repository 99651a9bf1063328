// The drawing context a page is composed on: printer, print preview or the headless recorder.
//
// Coordinates are integer device units (printer dots), x to the right, y downwards. Fonts and pens are
// created by the context as owned handles and selected into it; a selection returns the object that was
// selected before, so the caller can put it back. A selected object must be replaced by another before
// it is destroyed. Rectangles are filled with the context's own brush (white paper fill), which the
// program never changes.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Colour.h"

namespace platform {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

struct Extent {
    int width = 0, height = 0;
};

struct TextMetrics {
    int height = 0;           // character height (ascent plus descent) of the selected font
    int externalLeading = 0;  // extra space the font recommends between lines
};

// Horizontal alignment of text relative to its reference point; the top of the text is always at
// the point. The values are flags: the bit of value 2 is set for both right and centre alignment.
enum class TextAlign : int { Left = 0, Right = 2, Centre = 6 };

// True when the text extends to the left of its reference point (right or centre alignment).
constexpr bool ExtendsLeftOfPoint(TextAlign align) {
    return (static_cast<int>(align) & 2) != 0;
}

// A logical font request. The byte-sized attributes take the values of the usual font-mapper constants.
struct FontSpec {
    int height = 0;  // negative: character height; positive: cell height; 0: the default size
    int width = 0;   // average character width; 0: matched to the height
    int escapement = 0;
    int orientation = 0;
    int weight = 0;  // 400 normal, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charSet = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;  // low 2 bits pitch, high 4 bits family (16 = roman)
    std::string faceName;
};

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Null };

struct PenSpec {
    PenStyle style = PenStyle::Solid;
    int width = 1;  // device units; 0 draws one device unit wide
    Rgb colour;
};

// Handles of objects created by a context; the backend derives its own kinds.
class Font {
  public:
    virtual ~Font() = default;
};

class Pen {
  public:
    virtual ~Pen() = default;
};

class DrawingContext {
  public:
    virtual ~DrawingContext() = default;

    // Measuring, always with the selected font.
    virtual TextMetrics GetTextMetrics() = 0;
    virtual Extent GetTextExtent(std::string_view text) = 0;

    // Text output at (x, y) placed by the current alignment; text is UTF-8.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    virtual TextAlign GetTextAlign() = 0;
    virtual TextAlign SetTextAlign(TextAlign align) = 0;  // returns the previous alignment
    virtual Rgb SetTextColor(Rgb colour) = 0;             // returns the previous colour

    // Lines with the selected pen: LineTo draws from the current position and moves it to the end.
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    // Outline with the selected pen, filled with the context's brush.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;

    // nullptr when the platform cannot make the object.
    virtual std::unique_ptr<Font> CreateFont(const FontSpec& attributes) = 0;
    virtual std::unique_ptr<Pen> CreatePen(const PenSpec& attributes) = 0;

    // Select an object created by this context and return the previously selected one (not owned by the
    // caller: it may be the context's stock object). nullptr or a foreign object changes nothing and
    // returns nullptr.
    virtual Font* SelectFont(Font* font) = 0;
    virtual Pen* SelectPen(Pen* pen) = 0;
};

}  // namespace platform

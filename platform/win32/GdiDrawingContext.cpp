#include "platform/win32/GdiDrawingContext.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "platform/win32/Wide.h"

namespace platform::win32 {

namespace {

constexpr UINT kHorizontalAlignment = TA_LEFT | TA_RIGHT | TA_CENTER;

COLORREF ColourRef(platform::Rgb colour) {
    return RGB(colour.r, colour.g, colour.b);
}

platform::Rgb RgbOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

int GdiPenStyle(platform::PenStyle style) {
    switch (style) {
        case platform::PenStyle::Dash:
            return PS_DASH;
        case platform::PenStyle::Dot:
            return PS_DOT;
        case platform::PenStyle::DashDot:
            return PS_DASHDOT;
        case platform::PenStyle::DashDotDot:
            return PS_DASHDOTDOT;
        case platform::PenStyle::Null:
            return PS_NULL;
        case platform::PenStyle::Solid:
            break;
    }
    return PS_SOLID;
}

// One unit wide: a cosmetic pen. Wider: a geometric one, whose dashes GDI draws at any width.
HPEN MakePen(const platform::PenSpec& attributes) {
    const int style = GdiPenStyle(attributes.style);
    if (attributes.width <= 1 || style == PS_NULL)
        return ::CreatePen(style, std::max(0, attributes.width), ColourRef(attributes.colour));
    const LOGBRUSH brush{BS_SOLID, ColourRef(attributes.colour), 0};
    return ::ExtCreatePen(PS_GEOMETRIC | style | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                          static_cast<DWORD>(attributes.width), &brush, 0, nullptr);
}

HFONT MakeFont(const platform::FontSpec& attributes) {
    LOGFONTW font{};
    font.lfHeight = attributes.height;
    font.lfWidth = attributes.width;
    font.lfEscapement = attributes.escapement;
    font.lfOrientation = attributes.orientation;
    font.lfWeight = attributes.weight;
    font.lfItalic = attributes.italic;
    font.lfUnderline = attributes.underline;
    font.lfStrikeOut = attributes.strikeOut;
    font.lfCharSet = attributes.charSet;
    font.lfOutPrecision = attributes.outPrecision;
    font.lfClipPrecision = attributes.clipPrecision;
    font.lfQuality = attributes.quality;
    font.lfPitchAndFamily = attributes.pitchAndFamily;
    const std::wstring face = Widen(attributes.faceName);
    std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1), font.lfFaceName);
    return ::CreateFontIndirectW(&font);
}

// The text as the API takes it: UTF-16, at most INT_MAX units.
std::wstring WideText(std::string_view text) {
    std::wstring wide = Widen(text);
    if (wide.size() > INT_MAX)
        wide.resize(INT_MAX);
    return wide;
}

}  // namespace

// Objects remember the context that made them: another context's object is foreign. Stock objects are
// the device context's own and are never deleted.
template <typename Base, typename Handle>
class GdiDrawingContext::GdiObject : public Base {
  public:
    GdiObject(const GdiDrawingContext* owner, Handle handle, bool owned)
        : owner(owner), handle(handle), owned(owned) {}
    ~GdiObject() override {
        if (owned)
            ::DeleteObject(handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    const GdiDrawingContext* owner;
    Handle handle;
    bool owned;
};

GdiDrawingContext::GdiDrawingContext(HDC dc)
    : m_dc(dc),
      m_savedState(::SaveDC(dc)),
      m_stockFont(
          std::make_unique<GdiFont>(this, static_cast<HFONT>(::GetCurrentObject(dc, OBJ_FONT)), false)),
      m_stockPen(std::make_unique<GdiPen>(this, static_cast<HPEN>(::GetCurrentObject(dc, OBJ_PEN)), false)),
      m_selectedFont(m_stockFont.get()),
      m_selectedPen(m_stockPen.get()) {
    ::SetTextAlign(m_dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    ::SetBkMode(m_dc, TRANSPARENT);
    ::SelectObject(m_dc, ::GetStockObject(WHITE_BRUSH));
}

GdiDrawingContext::~GdiDrawingContext() {
    ::RestoreDC(m_dc, m_savedState);
}

platform::TextMetrics GdiDrawingContext::GetTextMetrics() {
    TEXTMETRICW metrics{};
    if (!::GetTextMetricsW(m_dc, &metrics))
        return {};
    return {metrics.tmHeight, metrics.tmExternalLeading};
}

platform::Extent GdiDrawingContext::GetTextExtent(std::string_view text) {
    const std::wstring wide = WideText(text);
    SIZE size{};
    if (!::GetTextExtentPoint32W(m_dc, wide.c_str(), static_cast<int>(wide.size()), &size))
        return {};
    return {size.cx, size.cy};
}

void GdiDrawingContext::TextOut(int x, int y, std::string_view text) {
    const std::wstring wide = WideText(text);
    ::ExtTextOutW(m_dc, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

platform::TextAlign GdiDrawingContext::GetTextAlign() {
    return static_cast<platform::TextAlign>(::GetTextAlign(m_dc) & kHorizontalAlignment);
}

platform::TextAlign GdiDrawingContext::SetTextAlign(platform::TextAlign align) {
    const platform::TextAlign previous = GetTextAlign();
    ::SetTextAlign(m_dc, TA_TOP | TA_NOUPDATECP | static_cast<UINT>(align));
    return previous;
}

platform::Rgb GdiDrawingContext::SetTextColor(platform::Rgb colour) {
    return RgbOf(::SetTextColor(m_dc, ColourRef(colour)));
}

void GdiDrawingContext::MoveTo(int x, int y) {
    ::MoveToEx(m_dc, x, y, nullptr);
}

void GdiDrawingContext::LineTo(int x, int y) {
    ::LineTo(m_dc, x, y);
}

void GdiDrawingContext::Rectangle(int left, int top, int right, int bottom) {
    ::Rectangle(m_dc, left, top, right, bottom);
}

std::unique_ptr<platform::Font> GdiDrawingContext::CreateFont(const platform::FontSpec& attributes) {
    const HFONT font = MakeFont(attributes);
    if (!font)
        return nullptr;
    return std::make_unique<GdiFont>(this, font, true);
}

std::unique_ptr<platform::Pen> GdiDrawingContext::CreatePen(const platform::PenSpec& attributes) {
    const HPEN pen = MakePen(attributes);
    if (!pen)
        return nullptr;
    return std::make_unique<GdiPen>(this, pen, true);
}

template <typename Base, typename Handle>
Base* GdiDrawingContext::Select(Base* object, Base*& selected) {
    auto* own = dynamic_cast<GdiObject<Base, Handle>*>(object);
    if (!own || own->owner != this || !::SelectObject(m_dc, own->handle))
        return nullptr;
    return std::exchange(selected, object);
}

platform::Font* GdiDrawingContext::SelectFont(platform::Font* font) {
    return Select<platform::Font, HFONT>(font, m_selectedFont);
}

platform::Pen* GdiDrawingContext::SelectPen(platform::Pen* pen) {
    return Select<platform::Pen, HPEN>(pen, m_selectedPen);
}

}  // namespace platform::win32

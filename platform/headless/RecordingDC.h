// The headless drawing context: deterministic font metrics and a transcript line per drawing.
//
// Metrics: the character height of a font is the magnitude of its requested height, its external
// leading 0; every UTF-8 code point advances by the font's requested width, or by half the character
// height (truncated) when the width is 0. A text's extent is (advance x code points, character height).
//
// Transcript lines (part of the quellrix-script contract):
//   text X Y "TEXT"      TextOut at the reference point (X, Y), whatever the alignment
//   line X1 Y1 X2 Y2     LineTo, from the current position to the new point
//   rect L T R B         Rectangle
// Selections, alignment and colour write no line; tests read them from the state accessors.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/DrawingContext.h"
#include "platform/headless/Transcript.h"

namespace headless {

class RecordingDC : public platform::DrawingContext {
  public:
    // The stock font (character height 10, "System") and pen (solid, 1, black) are selected at first.
    explicit RecordingDC(Transcript& transcript);
    ~RecordingDC() override;

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

    // Makes later CreateFont / CreatePen calls fail (return nullptr) while set.
    void FailFontCreation(bool fail) { m_failFonts = fail; }
    void FailPenCreation(bool fail) { m_failPens = fail; }

    // State for tests. The specs are copies taken at selection, valid even after the object is gone.
    const platform::Font* CurrentFont() const { return m_font; }
    const platform::Pen* CurrentPen() const { return m_pen; }
    const platform::FontSpec& CurrentFontSpec() const { return m_fontSpec; }
    const platform::PenSpec& CurrentPenSpec() const { return m_penSpec; }
    platform::Font* StockFont() const { return m_stockFont.get(); }
    platform::Pen* StockPen() const { return m_stockPen.get(); }
    platform::Rgb TextColor() const { return m_textColour; }
    // Every text drawn while kept, with the box it covers by the alignment and the metrics at the time.
    void KeepDrawnTexts(bool keep) { m_keepTexts = keep; }
    struct DrawnText {
        std::string text;
        platform::Rect box;
    };
    const std::vector<DrawnText>& DrawnTexts() const { return m_drawnTexts; }

    // Objects made by CreateFont / CreatePen (stock objects not counted) and how many were destroyed.
    struct Ledger {
        int fontsCreated = 0, fontsDestroyed = 0;
        int pensCreated = 0, pensDestroyed = 0;
    };
    const Ledger& Objects() const { return *m_ledger; }

  private:
    Transcript& m_transcript;
    std::shared_ptr<Ledger> m_ledger;  // shared with the objects, which may outlive the context
    std::unique_ptr<platform::Font> m_stockFont;
    std::unique_ptr<platform::Pen> m_stockPen;
    platform::Font* m_font;
    platform::Pen* m_pen;
    platform::FontSpec m_fontSpec;
    platform::PenSpec m_penSpec;
    platform::TextAlign m_align = platform::TextAlign::Left;
    platform::Rgb m_textColour;
    int m_currentX = 0, m_currentY = 0;
    std::vector<DrawnText> m_drawnTexts;
    bool m_failFonts = false, m_failPens = false, m_keepTexts = false;
};

}  // namespace headless

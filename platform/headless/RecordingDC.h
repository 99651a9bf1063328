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
    platform::TextAlign GetTextAlign() override { return align_; }
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
    void FailFontCreation(bool fail) { failFonts_ = fail; }
    void FailPenCreation(bool fail) { failPens_ = fail; }

    // State for tests. The specs are copies taken at selection, valid even after the object is gone.
    const platform::Font* CurrentFont() const { return font_; }
    const platform::Pen* CurrentPen() const { return pen_; }
    const platform::FontSpec& CurrentFontSpec() const { return fontSpec_; }
    const platform::PenSpec& CurrentPenSpec() const { return penSpec_; }
    platform::Font* StockFont() const { return stockFont_.get(); }
    platform::Pen* StockPen() const { return stockPen_.get(); }
    platform::Rgb TextColor() const { return textColour_; }
    // Every text drawn while kept, with the box it covers by the alignment and the metrics at the time.
    void KeepDrawnTexts(bool keep) { keepTexts_ = keep; }
    struct DrawnText {
        std::string text;
        platform::Rect box;
    };
    const std::vector<DrawnText>& DrawnTexts() const { return drawnTexts_; }

    // Objects made by CreateFont / CreatePen (stock objects not counted) and how many were destroyed.
    struct Ledger {
        int fontsCreated = 0, fontsDestroyed = 0;
        int pensCreated = 0, pensDestroyed = 0;
    };
    const Ledger& Objects() const { return *ledger_; }

  private:
    Transcript& transcript_;
    std::shared_ptr<Ledger> ledger_;  // shared with the objects, which may outlive the context
    std::unique_ptr<platform::Font> stockFont_;
    std::unique_ptr<platform::Pen> stockPen_;
    platform::Font* font_;
    platform::Pen* pen_;
    platform::FontSpec fontSpec_;
    platform::PenSpec penSpec_;
    platform::TextAlign align_ = platform::TextAlign::Left;
    platform::Rgb textColour_;
    int currentX_ = 0, currentY_ = 0;
    std::vector<DrawnText> drawnTexts_;
    bool failFonts_ = false, failPens_ = false, keepTexts_ = false;
};

}  // namespace headless

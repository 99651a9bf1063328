#include "platform/headless/RecordingDC.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

namespace headless {

namespace {

using Ledger = RecordingDC::Ledger;

// A created object keeps the ledger alive to count its own destruction; stock objects have none.
class RecordingFont : public platform::Font {
  public:
    RecordingFont(platform::FontSpec attributes, std::shared_ptr<Ledger> ledger)
        : m_spec(std::move(attributes)), m_ledger(std::move(ledger)) {
        if (m_ledger)
            ++m_ledger->fontsCreated;
    }
    ~RecordingFont() override {
        if (m_ledger)
            ++m_ledger->fontsDestroyed;
    }
    const platform::FontSpec& Attributes() const { return m_spec; }

  private:
    platform::FontSpec m_spec;
    std::shared_ptr<Ledger> m_ledger;
};

class RecordingPen : public platform::Pen {
  public:
    RecordingPen(platform::PenSpec attributes, std::shared_ptr<Ledger> ledger)
        : m_spec(attributes), m_ledger(std::move(ledger)) {
        if (m_ledger)
            ++m_ledger->pensCreated;
    }
    ~RecordingPen() override {
        if (m_ledger)
            ++m_ledger->pensDestroyed;
    }
    const platform::PenSpec& Attributes() const { return m_spec; }

  private:
    platform::PenSpec m_spec;
    std::shared_ptr<Ledger> m_ledger;
};

platform::FontSpec StockFontSpec() {
    platform::FontSpec attributes;
    attributes.height = -10;
    attributes.weight = 400;
    attributes.faceName = "System";
    return attributes;
}

int Saturated(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int CharacterHeight(const platform::FontSpec& attributes) {
    return Saturated(std::llabs(attributes.height));
}

long long Advance(const platform::FontSpec& attributes) {
    return attributes.width > 0 ? attributes.width : CharacterHeight(attributes) / 2;
}

long long CodePoints(std::string_view text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string Numbers(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) {
        out += ' ';
        out += std::to_string(v);
    }
    return out;
}

}  // namespace

RecordingDC::RecordingDC(Transcript& transcript)
    : m_transcript(transcript),
      m_ledger(std::make_shared<Ledger>()),
      m_stockFont(std::make_unique<RecordingFont>(StockFontSpec(), nullptr)),
      m_stockPen(std::make_unique<RecordingPen>(platform::PenSpec{}, nullptr)),
      m_font(m_stockFont.get()),
      m_pen(m_stockPen.get()),
      m_fontSpec(StockFontSpec()) {}

RecordingDC::~RecordingDC() = default;

platform::TextMetrics RecordingDC::GetTextMetrics() {
    return {CharacterHeight(m_fontSpec), 0};
}

platform::Extent RecordingDC::GetTextExtent(std::string_view text) {
    return {Saturated(Advance(m_fontSpec) * CodePoints(text)), CharacterHeight(m_fontSpec)};
}

void RecordingDC::TextOut(int x, int y, std::string_view text) {
    m_transcript.Add("text" + Numbers({x, y}) + ' ' + Quote(text));
    if (!m_keepTexts)
        return;
    const platform::Extent extent = GetTextExtent(text);
    long long left = x;
    if (m_align == platform::TextAlign::Right)
        left -= extent.width;
    else if (m_align == platform::TextAlign::Centre)
        left -= extent.width / 2;
    m_drawnTexts.push_back({std::string(text),
                            {Saturated(left), y, Saturated(left + extent.width),
                             Saturated(static_cast<long long>(y) + extent.height)}});
}

platform::TextAlign RecordingDC::SetTextAlign(platform::TextAlign align) {
    return std::exchange(m_align, align);
}

platform::Rgb RecordingDC::SetTextColor(platform::Rgb colour) {
    return std::exchange(m_textColour, colour);
}

void RecordingDC::MoveTo(int x, int y) {
    m_currentX = x;
    m_currentY = y;
}

void RecordingDC::LineTo(int x, int y) {
    m_transcript.Add("line" + Numbers({m_currentX, m_currentY, x, y}));
    MoveTo(x, y);
}

void RecordingDC::Rectangle(int left, int top, int right, int bottom) {
    m_transcript.Add("rect" + Numbers({left, top, right, bottom}));
}

std::unique_ptr<platform::Font> RecordingDC::CreateFont(const platform::FontSpec& attributes) {
    if (m_failFonts)
        return nullptr;
    return std::make_unique<RecordingFont>(attributes, m_ledger);
}

std::unique_ptr<platform::Pen> RecordingDC::CreatePen(const platform::PenSpec& attributes) {
    if (m_failPens)
        return nullptr;
    return std::make_unique<RecordingPen>(attributes, m_ledger);
}

platform::Font* RecordingDC::SelectFont(platform::Font* font) {
    const auto* recording = dynamic_cast<const RecordingFont*>(font);
    if (!recording)
        return nullptr;
    m_fontSpec = recording->Attributes();
    return std::exchange(m_font, font);
}

platform::Pen* RecordingDC::SelectPen(platform::Pen* pen) {
    const auto* recording = dynamic_cast<const RecordingPen*>(pen);
    if (!recording)
        return nullptr;
    m_penSpec = recording->Attributes();
    return std::exchange(m_pen, pen);
}

}  // namespace headless

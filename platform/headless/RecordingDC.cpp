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
        : spec_(std::move(attributes)), ledger_(std::move(ledger)) {
        if (ledger_)
            ++ledger_->fontsCreated;
    }
    ~RecordingFont() override {
        if (ledger_)
            ++ledger_->fontsDestroyed;
    }
    const platform::FontSpec& Attributes() const { return spec_; }

  private:
    platform::FontSpec spec_;
    std::shared_ptr<Ledger> ledger_;
};

class RecordingPen : public platform::Pen {
  public:
    RecordingPen(platform::PenSpec attributes, std::shared_ptr<Ledger> ledger)
        : spec_(attributes), ledger_(std::move(ledger)) {
        if (ledger_)
            ++ledger_->pensCreated;
    }
    ~RecordingPen() override {
        if (ledger_)
            ++ledger_->pensDestroyed;
    }
    const platform::PenSpec& Attributes() const { return spec_; }

  private:
    platform::PenSpec spec_;
    std::shared_ptr<Ledger> ledger_;
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
    : transcript_(transcript),
      ledger_(std::make_shared<Ledger>()),
      stockFont_(std::make_unique<RecordingFont>(StockFontSpec(), nullptr)),
      stockPen_(std::make_unique<RecordingPen>(platform::PenSpec{}, nullptr)),
      font_(stockFont_.get()),
      pen_(stockPen_.get()),
      fontSpec_(StockFontSpec()) {}

RecordingDC::~RecordingDC() = default;

platform::TextMetrics RecordingDC::GetTextMetrics() {
    return {CharacterHeight(fontSpec_), 0};
}

platform::Extent RecordingDC::GetTextExtent(std::string_view text) {
    return {Saturated(Advance(fontSpec_) * CodePoints(text)), CharacterHeight(fontSpec_)};
}

void RecordingDC::TextOut(int x, int y, std::string_view text) {
    transcript_.Add("text" + Numbers({x, y}) + ' ' + Quote(text));
    if (!keepTexts_)
        return;
    const platform::Extent extent = GetTextExtent(text);
    long long left = x;
    if (align_ == platform::TextAlign::Right)
        left -= extent.width;
    else if (align_ == platform::TextAlign::Centre)
        left -= extent.width / 2;
    drawnTexts_.push_back({std::string(text),
                           {Saturated(left), y, Saturated(left + extent.width),
                            Saturated(static_cast<long long>(y) + extent.height)}});
}

platform::TextAlign RecordingDC::SetTextAlign(platform::TextAlign align) {
    return std::exchange(align_, align);
}

platform::Rgb RecordingDC::SetTextColor(platform::Rgb colour) {
    return std::exchange(textColour_, colour);
}

void RecordingDC::MoveTo(int x, int y) {
    currentX_ = x;
    currentY_ = y;
}

void RecordingDC::LineTo(int x, int y) {
    transcript_.Add("line" + Numbers({currentX_, currentY_, x, y}));
    MoveTo(x, y);
}

void RecordingDC::Rectangle(int left, int top, int right, int bottom) {
    transcript_.Add("rect" + Numbers({left, top, right, bottom}));
}

std::unique_ptr<platform::Font> RecordingDC::CreateFont(const platform::FontSpec& attributes) {
    if (failFonts_)
        return nullptr;
    return std::make_unique<RecordingFont>(attributes, ledger_);
}

std::unique_ptr<platform::Pen> RecordingDC::CreatePen(const platform::PenSpec& attributes) {
    if (failPens_)
        return nullptr;
    return std::make_unique<RecordingPen>(attributes, ledger_);
}

platform::Font* RecordingDC::SelectFont(platform::Font* font) {
    const auto* recording = dynamic_cast<const RecordingFont*>(font);
    if (!recording)
        return nullptr;
    fontSpec_ = recording->Attributes();
    return std::exchange(font_, font);
}

platform::Pen* RecordingDC::SelectPen(platform::Pen* pen) {
    const auto* recording = dynamic_cast<const RecordingPen*>(pen);
    if (!recording)
        return nullptr;
    penSpec_ = recording->Attributes();
    return std::exchange(pen_, pen);
}

}  // namespace headless

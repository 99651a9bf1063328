#include "report/ReportLayout.h"

#include <cstdint>

#include "messages/MessageTexts.h"
#include "platform/Prompt.h"
#include "report/DeviceUnits.h"

namespace {

constexpr const char* kRootName = "_ROOT";
constexpr std::size_t kRegistryBuckets = 1499;

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

void ReportFailure(messages::MessageId message, const std::string& subject) {
    platform::ShowMessage(messages::NamedMessage(message, subject), platform::MessageIcon::Exclamation);
}

}  // namespace

ReportLayout::ReportLayout(platform::DrawingContext& dc, int pageWidth, int pageHeight, int leftMargin,
                           int topMargin, int rightMargin, int bottomMargin)
    : m_dc(&dc), m_areas(kRegistryBuckets), m_fontsByName(kRegistryBuckets), m_pensByName(kRegistryBuckets) {
    m_root = std::make_unique<LayoutArea>(this, kRootName, 0, 0, pageWidth, pageHeight, leftMargin, topMargin,
                                          rightMargin, bottomMargin);
    m_areas[kRootName] = m_root.get();
}

ReportLayout::~ReportLayout() {
    if (m_firstReplacedFont)
        m_dc->SelectFont(m_firstReplacedFont);
    if (m_firstReplacedPen)
        m_dc->SelectPen(m_firstReplacedPen);
    m_root.reset();
    m_areas.clear();
    m_fonts.clear();
    m_fontsByName.clear();
    m_pens.clear();
    m_pensByName.clear();
}

platform::DrawingContext& ReportLayout::GetDC() {
    return *m_dc;
}

platform::Font* ReportLayout::RestoreFont(platform::Font* font) {
    if (!font)
        return nullptr;
    return m_dc->SelectFont(font);
}

platform::Font* ReportLayout::SelectFont(const std::string& name) {
    auto found = m_fontsByName.find(name);
    if (found == m_fontsByName.end())
        return nullptr;
    platform::Font* replaced = m_dc->SelectFont(found->second);
    if (!m_firstReplacedFont)
        m_firstReplacedFont = replaced;
    return replaced;
}

platform::Pen* ReportLayout::SelectPen(const std::string& name) {
    auto found = m_pensByName.find(name);
    if (found == m_pensByName.end())
        return nullptr;
    platform::Pen* replaced = m_dc->SelectPen(found->second);
    if (!m_firstReplacedPen)
        m_firstReplacedPen = replaced;
    return replaced;
}

bool ReportLayout::AddFont(double heightPercent, const std::string& name, int width, int escapement,
                           int orientation, int weight, int italic, int underline, int strikeOut, int charSet,
                           int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                           const std::string& faceName) {
    LayoutArea* root = FindArea(kRootName);
    if (!root)
        return false;
    const double height = root->Diagonal() * heightPercent * 0.01;
    platform::FontSpec attributes;
    attributes.height = report::SaturatedUnits(-static_cast<long long>(report::TruncatedUnits(height)));
    attributes.width = width;
    attributes.escapement = escapement;
    attributes.orientation = orientation;
    attributes.weight = weight;
    attributes.italic = LowByte(italic);
    attributes.underline = LowByte(underline);
    attributes.strikeOut = LowByte(strikeOut);
    attributes.charSet = LowByte(charSet);
    attributes.outPrecision = LowByte(outPrecision);
    attributes.clipPrecision = LowByte(clipPrecision);
    attributes.quality = LowByte(quality);
    attributes.pitchAndFamily = LowByte(pitchAndFamily);
    attributes.faceName = faceName;
    std::unique_ptr<platform::Font> font = m_dc->CreateFont(attributes);
    if (!font) {
        ReportFailure(messages::MessageId::FontNotCreated, faceName);
        return false;
    }
    m_fonts.push_back(std::move(font));
    m_fontsByName[name] = m_fonts.back().get();
    return true;
}

bool ReportLayout::AddPen(double widthPercent, const std::string& name, platform::PenStyle style,
                          platform::Rgb colour) {
    LayoutArea* root = FindArea(kRootName);
    std::unique_ptr<platform::Pen> pen;
    if (root) {
        const int width = report::TruncatedUnits(root->Diagonal() * widthPercent * 0.01);
        pen = m_dc->CreatePen({style, width, colour});
    }
    if (!pen) {
        ReportFailure(messages::MessageId::PenNotCreated, name);
        return false;
    }
    m_pens.push_back(std::move(pen));
    m_pensByName[name] = m_pens.back().get();
    return true;
}

LayoutArea* ReportLayout::FindArea(const std::string& name) {
    auto found = m_areas.find(name);
    return found == m_areas.end() ? nullptr : found->second;
}

void ReportLayout::Render() {
    if (m_root)
        m_root->Render();
}

bool ReportLayout::AddArea(int leftMargin, int topMargin, int rightMargin, int bottomMargin,
                           const std::string& name) {
    return AddSubArea(kRootName, leftMargin, topMargin, rightMargin, bottomMargin, name);
}

bool ReportLayout::AddSubArea(const std::string& parentName, int leftMargin, int topMargin, int rightMargin,
                              int bottomMargin, const std::string& name) {
    LayoutArea* parent = FindArea(parentName);
    if (!parent)
        return false;
    LayoutArea* child = parent->CreateChild(this, name, leftMargin, topMargin, rightMargin, bottomMargin);
    if (!child)
        return false;
    m_areas[name] = child;
    return true;
}

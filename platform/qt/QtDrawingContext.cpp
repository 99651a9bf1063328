#include "platform/qt/QtDrawingContext.h"

#include <QBrush>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/qt/Text.h"

namespace qtbackend {

namespace {

constexpr int kBoldWeight = 700;
constexpr std::uint8_t kFamilyRoman = 16, kFamilySwiss = 32, kFamilyModern = 48, kFamilyScript = 64,
                       kFamilyDecorative = 80;

QFont::StyleHint StyleHintFor(std::uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
        case kFamilyRoman:
            return QFont::Serif;
        case kFamilySwiss:
            return QFont::SansSerif;
        case kFamilyModern:
            return QFont::Monospace;
        case kFamilyScript:
            return QFont::Cursive;
        case kFamilyDecorative:
            return QFont::Decorative;
        default:
            return QFont::AnyStyle;
    }
}

QString DefaultFamilyFor(QFont::StyleHint hint) {
    switch (hint) {
        case QFont::Serif:
            return QStringLiteral("Liberation Serif");
        case QFont::Monospace:
            return QStringLiteral("Liberation Mono");
        default:
            return QStringLiteral("Liberation Sans");
    }
}

QColor ToQColor(platform::Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

Qt::PenStyle ToQtStyle(platform::PenStyle style) {
    switch (style) {
        case platform::PenStyle::Dash:
            return Qt::DashLine;
        case platform::PenStyle::Dot:
            return Qt::DotLine;
        case platform::PenStyle::DashDot:
            return Qt::DashDotLine;
        case platform::PenStyle::DashDotDot:
            return Qt::DashDotDotLine;
        case platform::PenStyle::Null:
            return Qt::NoPen;
        case platform::PenStyle::Solid:
            break;
    }
    return Qt::SolidLine;
}

}  // namespace

QFont FontFor(const platform::FontSpec& attributes, const QFont& defaultFont, const QPaintDevice* device) {
    const QFont::StyleHint hint = StyleHintFor(attributes.pitchAndFamily);
    QFont font(attributes.faceName.empty() ? DefaultFamilyFor(hint) : ToQString(attributes.faceName));
    font.setStyleHint(hint);
    if (attributes.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(attributes.weight, 1, 1000)));
    font.setItalic(attributes.italic != 0);
    font.setUnderline(attributes.underline != 0);
    font.setStrikeOut(attributes.strikeOut != 0);

    if (attributes.height < 0) {
        font.setPixelSize(-attributes.height);
    } else if (attributes.height > 0) {
        // A cell height: the em size that gives ascent plus descent of that many units.
        QFont probe = font;
        probe.setPixelSize(1000);
        const qreal cell = QFontMetricsF(probe, device).height();
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(attributes.height * 1000.0 / cell))));
    } else if (defaultFont.pixelSize() > 0) {
        font.setPixelSize(defaultFont.pixelSize());
    } else {
        font.setPointSizeF(defaultFont.pointSizeF());
    }

    if (attributes.width > 0) {
        const qreal natural = QFontMetricsF(font, device).averageCharWidth();
        if (natural > 0)
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(100.0 * attributes.width / natural)), 1, 4000));
    }
    return font;
}

QPen PenFor(const platform::PenSpec& attributes) {
    QPen pen(ToQColor(attributes.colour));
    pen.setStyle(ToQtStyle(attributes.style));
    pen.setWidth(std::max(1, attributes.width));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

// Objects remember the context that made them: another context's object is foreign.
class QtDrawingContext::ContextFont : public platform::Font {
  public:
    ContextFont(const QtDrawingContext* owner, QFont font, int escapement)
        : owner(owner), font(std::move(font)), escapement(escapement) {}
    const QtDrawingContext* owner;
    QFont font;
    int escapement;
};

class QtDrawingContext::ContextPen : public platform::Pen {
  public:
    ContextPen(const QtDrawingContext* owner, QPen pen) : owner(owner), pen(std::move(pen)) {}
    const QtDrawingContext* owner;
    QPen pen;
};

QtDrawingContext::QtDrawingContext(QPainter& painter)
    : m_painter(painter),
      m_stockFont(std::make_unique<ContextFont>(this, painter.font(), 0)),
      m_stockPen(std::make_unique<ContextPen>(this, PenFor(platform::PenSpec{}))),
      m_selectedFont(m_stockFont.get()),
      m_selectedPen(m_stockPen.get()),
      m_font(m_stockFont->font),
      m_pen(m_stockPen->pen) {
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

QtDrawingContext::~QtDrawingContext() = default;

platform::TextMetrics QtDrawingContext::GetTextMetrics() {
    const QFontMetrics metrics(m_font, m_painter.device());
    return {metrics.height(), std::max(0, metrics.leading())};
}

platform::Extent QtDrawingContext::GetTextExtent(std::string_view text) {
    const QFontMetrics metrics(m_font, m_painter.device());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void QtDrawingContext::TextOut(int x, int y, std::string_view text) {
    const QString qtext = ToQString(text);
    const QFontMetrics metrics(m_font, m_painter.device());
    const int width = metrics.horizontalAdvance(qtext);
    int offset = 0;
    if (m_align == platform::TextAlign::Right)
        offset = -width;
    if (m_align == platform::TextAlign::Centre)
        offset = -width / 2;

    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(ToQColor(m_textColour));
    m_painter.translate(x, y);
    if (m_escapement != 0)
        m_painter.rotate(-m_escapement / 10.0);
    m_painter.drawText(QPoint(offset, metrics.ascent()), qtext);
    m_painter.restore();
}

platform::TextAlign QtDrawingContext::SetTextAlign(platform::TextAlign align) {
    return std::exchange(m_align, align);
}

platform::Rgb QtDrawingContext::SetTextColor(platform::Rgb colour) {
    return std::exchange(m_textColour, colour);
}

void QtDrawingContext::MoveTo(int x, int y) {
    m_current = QPoint(x, y);
}

// A line of length 0 draws nothing (a round cap would leave a dot).
void QtDrawingContext::LineTo(int x, int y) {
    const QPoint end(x, y);
    if (end != m_current) {
        m_painter.setPen(m_pen);
        m_painter.drawLine(m_current, end);
    }
    m_current = end;
}

void QtDrawingContext::Rectangle(int left, int top, int right, int bottom) {
    m_painter.setPen(m_pen);
    m_painter.setBrush(Qt::white);
    // The outline runs along the first and the last unit inside the right and bottom edges.
    m_painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
    m_painter.setBrush(Qt::NoBrush);
}

std::unique_ptr<platform::Font> QtDrawingContext::CreateFont(const platform::FontSpec& attributes) {
    return std::make_unique<ContextFont>(this, FontFor(attributes, m_stockFont->font, m_painter.device()),
                                         attributes.escapement);
}

std::unique_ptr<platform::Pen> QtDrawingContext::CreatePen(const platform::PenSpec& attributes) {
    return std::make_unique<ContextPen>(this, PenFor(attributes));
}

platform::Font* QtDrawingContext::SelectFont(platform::Font* font) {
    auto* own = dynamic_cast<ContextFont*>(font);
    if (!own || own->owner != this)
        return nullptr;
    m_font = own->font;
    m_escapement = own->escapement;
    return std::exchange(m_selectedFont, font);
}

platform::Pen* QtDrawingContext::SelectPen(platform::Pen* pen) {
    auto* own = dynamic_cast<ContextPen*>(pen);
    if (!own || own->owner != this)
        return nullptr;
    m_pen = own->pen;
    return std::exchange(m_selectedPen, pen);
}

}  // namespace qtbackend

#include "platform/qt/DialogUnits.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "platform/qt/Text.h"

namespace qtbackend {

namespace {

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

QFont DialogFont(const std::string& face, int points) {
    const bool classicFace = face.empty() || face == "MS Sans Serif" || face == "MS Shell Dlg" ||
                             face == "MS Shell Dlg 2" || face == "Arial";
    QFont font(classicFace ? QStringLiteral("Liberation Sans") : ToQString(face));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(points > 0 ? points : 8);
    return font;
}

DialogUnits::DialogUnits(const QFont& font, double widening) : m_widening(std::max(1.0, widening)) {
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded as the classic dialog manager does.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (letters / 26 + 1) / 2;
    m_baseY = metrics.height();
    if (m_baseX < 1)
        m_baseX = 1;
    if (m_baseY < 1)
        m_baseY = 1;
}

int DialogUnits::X(int du) const {
    if (m_widening == 1.0)
        return MulDiv(du, m_baseX, 4);
    return static_cast<int>(std::lround(du * m_baseX * m_widening / 4.0));
}

int DialogUnits::Y(int du) const {
    return MulDiv(du, m_baseY, 8);
}

QRect DialogUnits::Rect(const platform::DialogRect& rect) const {
    const int left = X(rect.x);
    const int top = Y(rect.y);
    return {left, top, X(rect.x + rect.width) - left, Y(rect.y + rect.height) - top};
}

}  // namespace qtbackend

#include "platform/qt/NumberFields.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

#include "platform/FormTemplate.h"
#include "platform/qt/DialogUnits.h"
#include "platform/qt/Text.h"

namespace qtbackend {

namespace {

// A line edit keeps this many pixels between its frame and its text on either side, and needs one
// more for the cursor after the text.
constexpr int kTextMargin = 2;
constexpr int kCursorWidth = 1;

int ContentsWidth(const QStyle& style, int fieldWidth, const QWidget* widget) {
    QStyleOptionFrame frame;
    frame.rect = QRect(0, 0, fieldWidth, 20);
    frame.state = QStyle::State_Enabled | QStyle::State_Sunken;
    frame.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, widget);
    frame.midLineWidth = 0;
    return style.subElementRect(QStyle::SE_LineEditContents, &frame, widget).width();
}

}  // namespace

QFont NumberFieldFont(const QFont& dialogFont) {
    QFont font(dialogFont);
    font.setFamilies({QStringLiteral("Liberation Sans Narrow"), dialogFont.family()});
    return font;
}

int TextRoom(int fieldWidth) {
    return ContentsWidth(*QApplication::style(), fieldWidth, nullptr) - 2 * kTextMargin - kCursorWidth;
}

int TextRoom(const QLineEdit& edit) {
    const QMargins margins = edit.textMargins();
    return ContentsWidth(*edit.style(), edit.width(), &edit) - margins.left() - margins.right() -
           2 * kTextMargin - kCursorWidth;
}

double FieldWidening(const platform::FormTemplate& form, const QFont& dialogFont) {
    const DialogUnits plain(dialogFont);
    const QFontMetricsF metrics(NumberFieldFont(dialogFont));
    const double bearings =
        std::max(0.0, -metrics.minLeftBearing()) + std::max(0.0, -metrics.minRightBearing());
    double widening = 1.0;
    for (const platform::ControlTemplate& control : form.controls) {
        if (control.kind != platform::ControlKind::Edit || control.widestText.empty() ||
            control.rect.width <= 0)
            continue;
        const double width = control.rect.width * plain.BaseX() / 4.0;
        const int chrome = static_cast<int>(width) - TextRoom(static_cast<int>(width));
        // One pixel more: each edge of a field is rounded to whole pixels on its own.
        const double needed =
            std::ceil(metrics.horizontalAdvance(ToQString(control.widestText)) + bearings) + chrome + 1;
        widening = std::max(widening, needed / width);
    }
    return widening;
}

}  // namespace qtbackend

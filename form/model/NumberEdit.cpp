#include "form/model/NumberEdit.h"

#include <algorithm>
#include <cmath>

#include "platform/Number.h"

std::optional<platform::Rgb> NumberFieldColour(bool valid, bool resultMark) {
    if (!valid) return kInvalidColour;
    if (resultMark) return kResultColour;
    return std::nullopt;
}

void CNumberEdit::SetResultMark(bool marked) {
    if (m_resultMark == marked) return;
    m_resultMark = marked;
    Changed();
    Invalidate();
}

void CNumberEdit::SetValid(bool valid) {
    if (m_valid == valid) return;
    m_valid = valid;
    Changed();
    Invalidate();
}

void CNumberEdit::ShowNumber(double x) {
    SetText(platform::ShownNumber(x));
}

void CNumberEdit::ShowFormatted(const char* format, double x) {
    SetText(std::isfinite(x) ? platform::FieldFitted(platform::FixedFormat(format, x), x) : std::string());
}

double CNumberEdit::GetNumber() const {
    if (m_numberRevision != TextRevision()) {
        m_number = platform::LeadingFiniteNumber(GetText());
        m_numberRevision = TextRevision();
    }
    return m_number;
}

void CNumberEdit::OnKillFocus() {
    std::string text = GetText();
    std::replace(text.begin(), text.end(), ',', '.');
    SetText(std::move(text));
    EditControl::OnKillFocus();
}

std::optional<platform::Rgb> CNumberEdit::Background() const {
    return NumberFieldColour(m_valid, m_resultMark);
}

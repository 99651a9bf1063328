#include "form/model/NumberEdit.h"

#include <algorithm>
#include <cmath>

#include "platform/Number.h"

std::string WithDecimalPoints(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

bool HasDigitGrouping(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i != std::string_view::npos && (text[i] == '+' || text[i] == '-'))
        ++i;
    // Separators inside the leading run of digits that digits follow.
    int separators = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        const bool separator = c == '.' || c == ',';
        if (!separator && (c < '0' || c > '9'))
            break;
        if (separator && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9')
            ++separators;
    }
    return separators > 1;
}

std::optional<platform::Rgb> NumberFieldColour(bool valid, bool resultMark) {
    if (!valid)
        return kInvalidColour;
    if (resultMark)
        return kResultColour;
    return std::nullopt;
}

void CNumberEdit::ChangeResultMark(bool marked) {
    m_resultMark = marked;
    Changed();
    Invalidate();
}

void CNumberEdit::ChangeValid(bool valid) {
    m_valid = valid;
    Changed();
    Invalidate();
}

void CNumberEdit::ShowNumber(double x) {
    if (m_shownRevision == TextRevision() && m_shownNumber == x) {
        SetText(GetText());
        return;
    }
    std::string text = platform::ShownNumber(x);
    // The revision the text gets (a change counts one), before the change reaction may write another.
    m_shownRevision = TextRevision() + (text != GetText() ? 1 : 0);
    m_shownNumber = x;
    SetText(std::move(text));
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
    std::optional<std::string> before = TakeTextBeforeTyping();
    if (!before || *before == GetText())
        return;
    m_textBeforeEntry = std::move(*before);
    if (HasDigitGrouping(GetText())) {
        m_refusedEntry = GetText();
        SetText(m_textBeforeEntry);
    } else {
        SetText(WithDecimalPoints(GetText()));
    }
    EditControl::OnKillFocus();
    m_refusedEntry.reset();
}

std::optional<platform::Rgb> CNumberEdit::Background() const {
    return NumberFieldColour(m_valid, m_resultMark);
}

// The number field: a text field that shows one quantity in the user's unit, marked yellow while it
// holds a computed result and red while it is inconsistent with its neighbours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Controls.h"

// A number text whose digits are grouped by more than one separator, such as "1.234,5", "1,234.5" or
// "1.234.567": the leading-number rule would read it as another number.
bool HasDigitGrouping(std::string_view text);

// The text as leaving a number field rewrites it: every decimal comma a point.
std::string WithDecimalPoints(std::string text);

// Background of a number field: red (not valid) wins over yellow (result); nullopt: default colours.
std::optional<platform::Rgb> NumberFieldColour(bool valid, bool resultMark);

inline constexpr platform::Rgb kInvalidColour{200, 80, 80};
inline constexpr platform::Rgb kResultColour{240, 240, 0};

class CNumberEdit : public platform::EditControl {
  public:
    explicit CNumberEdit(int id) : EditControl(id) {}

    // Each stores its flag and repaints the field only when the value changed.
    void SetResultMark(bool marked) {
        if (m_resultMark != marked)
            ChangeResultMark(marked);
    }
    void SetValid(bool valid) {
        if (m_valid != valid)
            ChangeValid(valid);
    }

    bool IsValid() const { return m_valid; }
    bool HasResultMark() const { return m_resultMark; }

    // Empty text for |x| < 1e-12, else x with "%f" (in nine significant digits where that text would
    // be longer than 16 characters). A value that is not finite is no number to show: empty text too.
    void ShowNumber(double x);
    // x with the given printf format, e.g. "%5.2f", fitted as ShowNumber fits it; empty text when x is
    // not finite.
    void ShowFormatted(const char* format, double x);
    // The field's number by the leading-number rule; an entry beyond the double range reads as the
    // largest finite number of its sign, never as infinity.
    double GetNumber() const;

    // Leaving the field after typing a changed text turns every decimal comma into a point (always
    // written back), then the platform's focus-loss processing runs. Leaving without a changed text
    // changes nothing. A text with digit grouping is refused: the field gets back its text from before
    // the typing, and the focus-loss processing runs with the refused text at hand.
    void OnKillFocus() override;
    // While the focus-loss processing runs: the text the field held before the user typed the entry,
    // and the refused text, if the entry was refused.
    const std::string& TextBeforeEntry() const { return m_textBeforeEntry; }
    const std::optional<std::string>& RefusedEntry() const { return m_refusedEntry; }

    std::optional<platform::Rgb> Background() const override;

  private:
    void ChangeResultMark(bool marked);
    void ChangeValid(bool valid);

    std::string m_textBeforeEntry;
    std::optional<std::string> m_refusedEntry;
    bool m_valid = true;
    bool m_resultMark = false;
    // The number of the text of this revision: a text is read once.
    mutable std::uint64_t m_numberRevision = 0;
    mutable double m_number = 0;
    // The text of revision m_shownRevision is ShowNumber's text of m_shownNumber (an empty text that of
    // 0): showing an equal number again needs no formatting.
    std::uint64_t m_shownRevision = 0;
    double m_shownNumber = 0;
};

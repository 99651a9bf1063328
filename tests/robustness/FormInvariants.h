// What must hold on the form and in the record whatever the user did.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "form/PlenwickView.h"
#include "record/PlenwickDoc.h"

namespace robustness {

// True when the text holds "nan" or "inf" in any letter case: a number that is not finite.
bool ShowsNonFinite(std::string_view text);

// Whether a message shows a non-finite number ("nan", "-inf" as a word) or a number longer than 16 digits.
bool MessageShowsUnfitNumber(std::string_view text);

// The ids and texts of the edit fields that show a non-finite number.
std::vector<std::string> NonFiniteFields(const CPlenwickView& view);

// The texts of the form's design sheet, composed on a page of width x height, that leave the page or
// show an unfit number (as MessageShowsUnfitNumber finds it), each with its box.
std::vector<std::string> UnfitSheetTexts(const CPlenwickView& view, int width, int height);

// The cells, verdicts and input lines of the sizing table the form's values prefill that show an unfit
// number; none when the design cannot be tabled.
std::vector<std::string> UnfitSizingTexts(const CPlenwickView& view);

// The record's quantities whose setters clear the result flag, compared bit for bit.
class InputSnapshot {
  public:
    explicit InputSnapshot(const CPlenwickDoc& doc);
    // The names of the quantities that differ from other, comma-separated; empty when none does.
    std::string ChangedSince(const InputSnapshot& other) const;

  private:
    std::array<double, 11> m_values;
};

// The texts drawn on printed or previewed pages among transcript lines.
std::vector<std::string> PrintedTexts(const std::vector<std::string>& lines);
// The text printed right after the label among printed texts, unquoted; "<none>" when there is none.
std::string PrintedAfter(const std::vector<std::string>& texts, const std::string& label);

}  // namespace robustness

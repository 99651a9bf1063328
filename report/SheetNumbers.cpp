#include "report/SheetNumbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "messages/MessageTexts.h"
#include "platform/Number.h"

namespace report {

namespace {

constexpr int kMaxDecimals = 12;
constexpr size_t kMostIntegerDigits = 10;
constexpr const char* kGroupSeparator = "\u202f";  // narrow no-break space
constexpr size_t kLeastGroupedDigits = 5;

// A printf text ("-1234.50") as the sheet shows it ("-1234,50", "12 345,5").
std::string Localised(const std::string& text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string digits = negative ? text.substr(1) : text;
    const size_t point = digits.find('.');
    const std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);

    std::string grouped;
    for (size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && whole.size() >= kLeastGroupedDigits && (whole.size() - i) % 3 == 0)
            grouped += kGroupSeparator;
        grouped += whole[i];
    }
    const bool allZero = digits.find_first_not_of("0.") == std::string::npos;
    return (negative && !allZero ? "-" : "") + grouped + (fraction.empty() ? "" : "," + fraction);
}

// The decimals that give x the significant digits, from the exponent printf rounds it to.
int DecimalsFor(double x, int digits) {
    if (x == 0)
        return digits - 1;
    const std::string scientific = platform::Format("%.*e", digits - 1, x);
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    return std::clamp(digits - 1 - exponent, 0, kMaxDecimals);
}

std::string ExponentText(double x) {
    std::string text = platform::Format("%.3e", x);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// The printf text of x as the sheet shows it, or x in exponent form where the text's integer part is
// too long, or where the text should show significant digits and shows none.
std::string Shown(const std::string& text, double x, bool significant) {
    const size_t digits = text.find_first_not_of("-0123456789");
    const size_t integerDigits = (digits == std::string::npos ? text.size() : digits) - (x < 0 ? 1 : 0);
    const bool noDigitShown = x != 0 && text.find_first_of("123456789") == std::string::npos;
    return integerDigits > kMostIntegerDigits || (significant && noDigitShown) ? ExponentText(x)
                                                                               : Localised(text);
}

}  // namespace

std::string FixedText(double x, int decimals) {
    if (!std::isfinite(x))
        return messages::Text(messages::MessageId::NotComputable);
    return Shown(platform::FixedText(x, std::clamp(decimals, 0, kMaxDecimals)), x, false);
}

std::string SignificantText(double x, int digits) {
    if (!std::isfinite(x))
        return messages::Text(messages::MessageId::NotComputable);
    if (x == 0)
        return "0";
    return Shown(platform::FixedText(x, DecimalsFor(x, std::clamp(digits, 1, kMaxDecimals))), x, true);
}

std::string ShortestText(double x) {
    if (!std::isfinite(x))
        return messages::Text(messages::MessageId::NotComputable);
    std::string text = platform::FixedText(x, DecimalsFor(x, 6));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return Shown(text, x, true);
}

}  // namespace report

// The leading-number rule on arbitrary text: never NaN, blind to leading blanks and to what follows the
// number, the integer variant agrees with it on plain integers, and a finite number read back from its
// "%.17g" text is the same number.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/Number.h"
#include "Require.h"

using fuzzing::Require;

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text after leading blanks is an optional sign and at most nine digits, not followed by a digit,
// a point or an exponent: a number both variants read the same.
bool IsPlainSmallInteger(std::string_view text) {
    size_t i = text.find_first_not_of(" \t\n\r\f\v");
    if (i == std::string_view::npos)
        return false;
    if (text[i] == '+' || text[i] == '-')
        ++i;
    const size_t first = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == first || i - first > 9)
        return false;
    return i == text.size() || (text[i] != '.' && text[i] != 'e' && text[i] != 'E');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double x = platform::LeadingNumber(text);
    Require(!std::isnan(x));
    Require(platform::LeadingNumber(" \t" + text) == x);
    // A character that cannot continue a number changes nothing.
    Require(platform::LeadingNumber(text + "x") == x);

    const double finite = platform::LeadingFiniteNumber(text);
    Require(std::isfinite(finite));
    Require(std::isinf(x) ? finite == std::copysign(DBL_MAX, x) : finite == x);

    const int n = platform::LeadingInteger(text);
    Require(platform::LeadingInteger(" " + text) == n);
    if (IsPlainSmallInteger(text))
        Require(static_cast<double>(n) == x);

    if (std::isfinite(x)) {
        Require(platform::LeadingNumber(platform::Format("%.17g", x)) == x);
        Require(!platform::Format("%f", x).empty());
    }
    return 0;
}

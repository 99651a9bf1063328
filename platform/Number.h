// Text to number and number to text, the way every field and the settings file use them.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The leading-number rule: leading blanks are skipped and the longest prefix that forms a decimal
// number (sign, digits, optional point and fraction, optional exponent) is taken; 0 when there is none.
// Never yields NaN; a prefix beyond the double range gives +-infinity.
double LeadingNumber(std::string_view text);

// The leading-number rule for entries: as LeadingNumber, but a prefix beyond the double range gives
// the largest finite double of its sign, so that an entry never becomes infinite.
double LeadingFiniteNumber(std::string_view text);

// The integer variant: blanks, sign and decimal digits; saturates to the 32-bit range, 0 when none.
int LeadingInteger(std::string_view text);

// x in fixed notation with that many decimals and at least width characters, blanks in front: the text
// of printf's "%<width>.<decimals>f", made without printf (exactly rounded, as printf is, and faster);
// empty when x is not finite.
std::string FixedText(double x, int decimals, int width = 0);

// What a number field shows: "%f", empty for a magnitude below 1e-12 or a value that is not finite,
// fitted by FieldFitted.
std::string ShownNumber(double x);
// The text of x for a number field, or, when it is longer than 16 characters (a "%f" text from 1e9 on),
// x in nine significant digits ("%.9g", exponent form from 1e9 on, at most 16 characters), which the
// leading-number rule reads back.
std::string FieldFitted(std::string text, double x);

// x by a printf format of one fixed-point number, "%f", "%.2f" or "%5.2f": FixedText; any other format,
// and a value that is not finite, go to Format.
std::string FixedFormat(const char* format, double x);

// printf-style formatting that always writes a decimal point, whatever the process locale.
#ifdef __MINGW32__
std::string Format(const char* format, ...)
    __attribute__((format(gnu_printf, 1, 2)));  // mingw-w64's C99 printf
#else
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
#endif

}  // namespace platform

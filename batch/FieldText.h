// The texts of the form's number fields, made and read as the fields make and read them, without the
// locale switch and the allocation of the C formatting functions: "%f" and "%5.2f" by std::to_chars
// (exactly rounded, as printf is), the leading-number rule by std::from_chars on texts this program
// wrote itself or checked to be numbers.
#pragma once

#include <string>
#include <string_view>

namespace batch {

// What a number field shows for x: "%f", empty for a magnitude below 1e-12 or a value that is not finite.
std::string ShownNumber(double x);

// x with the given number of decimals and at least width characters, blanks in front ("%5.2f").
std::string FixedText(double x, int decimals, int width = 0);

// The number a field with this text holds: the leading-number rule (leading blanks skipped, the longest
// prefix that forms a decimal number, 0 when there is none, the largest double for one beyond the range).
double FieldNumber(std::string_view text);

// A cell that is a decimal number (blanks around it, the decimal separator given, an optional sign and
// exponent), as the form's field would hold it after leaving: with a decimal point. None otherwise, and
// for a number beyond the range of double.
bool TypedNumberText(std::string_view cell, char decimal, std::string& typed);

}  // namespace batch

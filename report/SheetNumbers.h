// Numbers as a German reader expects them on a printed sheet: a decimal comma, the integer part of a
// number with five or more digits grouped in threes by a narrow no-break space ("77 921"), a minus
// sign only where the shown digits are not all zero, and "nicht berechenbar" for a value that is not
// finite. A number whose integer part would have more than ten digits, or whose significant digits
// would all fall beyond twelve decimals, is given in exponent form with four significant digits
// ("1,235e+11", "5,000e-15").
#pragma once

#include <string>

namespace report {

// x with the given number of decimals (0 … 12), e.g. FixedText(101, 2) = "101,00".
std::string FixedText(double x, int decimals);

// x rounded to the given number of significant digits (1 … 12), but never to fewer than its integer
// digits: SignificantText(0.0227060, 4) = "0,02271", SignificantText(77920.96, 4) = "77 921".
std::string SignificantText(double x, int digits);

// The shortest text of x up to six significant digits, trailing zeros dropped: for limits and scale
// marks, e.g. "0,05", "15", "57 000 000".
std::string ShortestText(double x);

}  // namespace report

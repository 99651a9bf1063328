// The number cells of a calculation file, read as the form's fields would hold them.
#pragma once

#include <string>
#include <string_view>

namespace batch {

// A cell that is a decimal number (blanks around it, the decimal separator given, an optional sign and
// exponent), as the form's field would hold it after leaving: with a decimal point. None otherwise, and
// for a number beyond the range of double.
bool TypedNumberText(std::string_view cell, char decimal, std::string& typed);

}  // namespace batch

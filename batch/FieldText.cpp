#include "batch/FieldText.h"

#include <charconv>
#include <cmath>

namespace batch {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

bool TypedNumberText(std::string_view cell, char decimal, std::string& typed) {
    size_t begin = 0;
    size_t end = cell.size();
    while (begin < end && IsBlank(cell[begin])) ++begin;
    while (end > begin && IsBlank(cell[end - 1])) --end;
    typed.clear();
    size_t i = begin;
    if (i < end && (cell[i] == '+' || cell[i] == '-'))
        typed += cell[i++];
    size_t digits = 0;
    for (; i < end && IsDigit(cell[i]); ++i, ++digits) typed += cell[i];
    if (i < end && cell[i] == decimal) {
        typed += '.';
        for (++i; i < end && IsDigit(cell[i]); ++i, ++digits) typed += cell[i];
    }
    if (digits == 0)
        return false;
    const bool exponent = i < end && (cell[i] == 'e' || cell[i] == 'E');
    if (exponent) {
        typed += cell[i++];
        if (i < end && (cell[i] == '+' || cell[i] == '-'))
            typed += cell[i++];
        size_t exponentDigits = 0;
        for (; i < end && IsDigit(cell[i]); ++i, ++exponentDigits) typed += cell[i];
        if (exponentDigits == 0)
            return false;
    }
    if (i != end)
        return false;
    // Up to 19 digits without an exponent a number lies well within the range of double.
    if (digits <= 19 && !exponent)
        return true;
    const size_t sign = typed[0] == '+' ? 1 : 0;
    double x = 0;
    const std::from_chars_result result =
        std::from_chars(typed.data() + sign, typed.data() + typed.size(), x);
    return result.ec == std::errc() && std::isfinite(x);
}

}  // namespace batch

#include "batch/FieldText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace batch {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

namespace {

constexpr unsigned long long kPowersOfTen[]{1,      10,      100,      1000,      10000,
                                            100000, 1000000, 10000000, 100000000, 1000000000};

// x rounded to decimals places, half to even, as printf rounds the exact binary value, from its
// mantissa and exponent in 128-bit integers; false for values whose rounded digits exceed 64 bits.
bool ExactFixed(double x, int decimals, char* buffer, size_t& length) {
    // The rounded value must fit 64 bits.
    if (decimals < 0 || decimals > 9 || !(std::fabs(x) < 1e19 / static_cast<double>(kPowersOfTen[decimals])))
        return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0)
        mantissa |= std::uint64_t{1} << 52;
    const int shift = 1075 - (biased == 0 ? 1 : biased);  // |x| = mantissa / 2^shift
    if (shift < 1)
        return false;  // an integer of 2^53 or more
    __extension__ typedef unsigned __int128 Wide;
    unsigned long long rounded = 0;
    if (shift < 120) {
        const Wide scaled = static_cast<Wide>(mantissa) * kPowersOfTen[decimals];
        const Wide quotient = scaled >> shift;
        const Wide remainder = scaled - (quotient << shift);
        const Wide half = static_cast<Wide>(1) << (shift - 1);
        rounded = static_cast<unsigned long long>(quotient);
        if (remainder > half || (remainder == half && (rounded & 1)))
            ++rounded;
    }
    char digits[32];
    size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + rounded % 10);
        rounded /= 10;
    } while (rounded > 0 || count <= static_cast<size_t>(decimals));
    length = 0;
    if (std::signbit(x))
        buffer[length++] = '-';
    for (size_t i = count; i-- > 0;) {
        buffer[length++] = digits[i];
        if (i == static_cast<size_t>(decimals) && decimals > 0)
            buffer[length++] = '.';
    }
    return true;
}

}  // namespace

std::string FixedText(double x, int decimals, int width) {
    if (!std::isfinite(x))
        return std::string();
    char buffer[400];  // the largest double has 309 digits before the point
    size_t length = 0;
    if (!ExactFixed(x, decimals, buffer, length)) {
        const std::to_chars_result result =
            std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, decimals);
        length = static_cast<size_t>(result.ptr - buffer);
    }
    std::string text;
    if (static_cast<size_t>(width) > length)
        text.assign(static_cast<size_t>(width) - length, ' ');
    text.append(buffer, length);
    return text;
}

std::string ShownNumber(double x) {
    if (!std::isfinite(x) || std::fabs(x) < 1e-12)
        return std::string();
    return FixedText(x, 6);
}

double FieldNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() &&
           (IsBlank(text[i]) || text[i] == '\n' || text[i] == '\r' || text[i] == '\f' || text[i] == '\v'))
        ++i;
    size_t start = i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        start = text[i] == '+' ? i + 1 : i;
        ++i;
    }
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0)
        return 0;
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t exponentDigits = 0;
        while (j < text.size() && IsDigit(text[j])) ++j, ++exponentDigits;
        if (exponentDigits > 0)
            end = j;
    }
    double x = 0;
    const std::from_chars_result result = std::from_chars(text.data() + start, text.data() + end, x);
    if (result.ec == std::errc::result_out_of_range) {
        // beyond the range of double: the largest one; below it: 0
        const std::string_view number = text.substr(start, end - start);
        const size_t e = number.find_first_of("eE");
        const bool tiny = e != std::string_view::npos && number.find('-', e) != std::string_view::npos;
        if (tiny)
            return 0;
        return negative ? -DBL_MAX : DBL_MAX;
    }
    return x;
}

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
    if (i < end && (cell[i] == 'e' || cell[i] == 'E')) {
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
    const size_t sign = typed[0] == '+' ? 1 : 0;
    double x = 0;
    const std::from_chars_result result =
        std::from_chars(typed.data() + sign, typed.data() + typed.size(), x);
    return result.ec == std::errc() && std::isfinite(x);
}

}  // namespace batch

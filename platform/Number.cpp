#include "platform/Number.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#ifndef _WIN32
#include <locale.h>
#endif

namespace platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

#ifdef _WIN32
// A Windows program here never changes the C runtime's locale from "C", and mingw-w64's own
// conversions (C99 printf and strtod) are the ones used.
class CLocaleScope {
public:
    CLocaleScope() {}
};

double StrtodC(const char* text) { return std::strtod(text, nullptr); }
#else
// The C locale, used for every conversion so that a locale set by a GUI toolkit never turns the
// decimal point into a comma.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t previous_;
};

double StrtodC(const char* text) { return strtod_l(text, nullptr, CLocale()); }
#endif

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

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < text.size() && IsDigit(text[j])) ++j, ++expDigits;
        if (expDigits > 0) end = j;
    }
    // std::from_chars rounds exactly as strtod does; it takes no '+', and what it refuses (a value
    // beyond the range, or below the normal range) goes to strtod.
    const size_t first = text[start] == '+' ? start + 1 : start;
    double x = 0;
    const std::from_chars_result result = std::from_chars(text.data() + first, text.data() + end, x);
    if (result.ec == std::errc() && result.ptr == text.data() + end)
        return x;
    const std::string number(text.substr(start, end - start));
    return StrtodC(number.c_str());
}

double LeadingFiniteNumber(std::string_view text) {
    const double x = LeadingNumber(text);
    return std::isinf(x) ? std::copysign(DBL_MAX, x) : x;
}

int LeadingInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

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
    return FieldFitted(FixedText(x, 6), x);
}

std::string FieldFitted(std::string text, double x) {
    constexpr size_t kLongestShown = 16;
    return text.size() <= kLongestShown ? text : Format("%.9g", x);
}

std::string FixedFormat(const char* format, double x) {
    // "%[width][.decimals]f", the only formats the form and the report show numbers with
    const char* p = format;
    int width = 0;
    int decimals = 6;
    bool plain = *p++ == '%';
    while (plain && IsDigit(*p)) width = width * 10 + (*p++ - '0');
    if (plain && *p == '.') {
        decimals = 0;
        for (++p; IsDigit(*p);) decimals = decimals * 10 + (*p++ - '0');
    }
    plain = plain && p[0] == 'f' && p[1] == '\0' && width < 400 && decimals < 400 && std::isfinite(x);
    return plain ? FixedText(x, decimals, width) : Format(format, x);
}

std::string Format(const char* format, ...) {
    CLocaleScope cLocale;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, args);
        text.resize(static_cast<size_t>(length));
    }
    va_end(args);
    return text;
}

}  // namespace platform

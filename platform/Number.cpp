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

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

#ifdef _WIN32
// A Windows program here never changes the C runtime's locale from "C", and mingw-w64's own
// conversions (C99 printf and strtod) are the ones used.
class CLocaleScope {
  public:
    CLocaleScope() {}
};

double StrtodC(const char* text) {
    return std::strtod(text, nullptr);
}
#else
// The C locale, used for every conversion so that a locale set by a GUI toolkit never turns the
// decimal point into a comma.
locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

class CLocaleScope {
  public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    locale_t m_previous;
};

double StrtodC(const char* text) {
    return strtod_l(text, nullptr, CLocale());
}
#endif

constexpr unsigned long long kPowersOfTen[]{1,      10,      100,      1000,      10000,
                                            100000, 1000000, 10000000, 100000000, 1000000000};

// The powers of ten that a double holds exactly.
constexpr double kExactPowersOfTen[]{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                     1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// "00" to "99".
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324"
    "25262728293031323334353637383940414243444546474849"
    "50515253545556575859606162636465666768697071727374"
    "75767778798081828384858687888990919293949596979899";

// Writes the count lowest decimal digits of n so that they end just before end, and drops them from n;
// returns where they begin.
char* LowDigitsBefore(char* end, unsigned long long& n, int count) {
    for (; count >= 2; count -= 2) {
        end -= 2;
        std::memcpy(end, kDigitPairs + 2 * (n % 100), 2);
        n /= 100;
    }
    if (count == 1) {
        *--end = static_cast<char>('0' + n % 10);
        n /= 10;
    }
    return end;
}

// Writes the decimal digits of n so that they end just before end; returns where they begin.
char* DigitsBefore(char* end, unsigned long long n) {
    while (n >= 100) end = LowDigitsBefore(end, n, 2);
    return LowDigitsBefore(end, n, n >= 10 ? 2 : 1);
}

// x rounded to decimals places, half to even, as printf rounds the exact binary value, from its
// mantissa and exponent in 128-bit integers; written so that it ends just before end, the start
// returned; null for values whose rounded digits exceed 64 bits.
char* ExactFixed(double x, int decimals, char* end) {
    // The rounded value must fit 64 bits.
    if (decimals < 0 || decimals > 9 || !(std::fabs(x) * kExactPowersOfTen[decimals] < 1e19))
        return nullptr;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int biased = static_cast<int>((bits >> 52) & 0x7ff);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0)
        mantissa |= std::uint64_t{1} << 52;
    const int shift = 1075 - (biased == 0 ? 1 : biased);  // |x| = mantissa / 2^shift
    if (shift < 1)
        return nullptr;  // an integer of 2^53 or more
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
    char* begin = LowDigitsBefore(end, rounded, decimals);
    if (decimals > 0)
        *--begin = '.';
    begin = DigitsBefore(begin, rounded);
    if (std::signbit(x))
        *--begin = '-';
    return begin;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    const size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0)
        return 0.0;
    size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t expDigits = 0;
        while (j < text.size() && IsDigit(text[j])) ++j, ++expDigits;
        if (expDigits > 0)
            end = j;
    }
    // Up to 2^53 with at most 22 decimals and no exponent the quotient of two exact doubles is the
    // correctly rounded value, as strtod gives it.
    if (end == i && digits <= 19) {
        unsigned long long n = 0;
        int decimals = -1;
        for (size_t j = start; j < end; ++j) {
            if (IsDigit(text[j])) {
                n = n * 10 + static_cast<unsigned>(text[j] - '0');
                decimals += decimals >= 0;
            } else if (text[j] == '.') {
                decimals = 0;
            }
        }
        if (n <= (1ull << 53) && decimals <= 22) {
            const double x = static_cast<double>(n) / kExactPowersOfTen[decimals < 0 ? 0 : decimals];
            return text[start] == '-' ? -x : x;
        }
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
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

std::string FixedText(double x, int decimals, int width) {
    if (!std::isfinite(x))
        return std::string();
    char buffer[400];  // the largest double has 309 digits before the point
    char* const end = buffer + sizeof buffer;
    const char* begin = ExactFixed(x, decimals, end);
    size_t length = 0;
    if (begin) {
        length = static_cast<size_t>(end - begin);
    } else {
        const std::to_chars_result result = std::to_chars(buffer, end, x, std::chars_format::fixed, decimals);
        begin = buffer;
        length = static_cast<size_t>(result.ptr - buffer);
    }
    const size_t padding = static_cast<size_t>(width) > length ? static_cast<size_t>(width) - length : 0;
    if (padding == 0)
        return std::string(begin, length);
    std::string text(padding + length, ' ');
    std::memcpy(&text[padding], begin, length);
    return text;
}

std::string ShownNumber(double x) {
    if (!std::isfinite(x) || std::fabs(x) < 1e-12)
        return std::string();
    return FieldFitted(FixedText(x, 6), x);
}

std::string FieldFitted(std::string text, double x) {
    constexpr size_t kLongestShown = 16;
    if (text.size() <= kLongestShown)
        return text;
    return Format("%.9g", x);
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

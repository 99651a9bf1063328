#include "app/script/ScriptNumbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

#include "app/script/ScriptError.h"
#include "platform/headless/Transcript.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void Reject(const char* what, std::string_view word, const char* fault) {
    throw ScriptError(std::string(what) + " " + headless::Quote(word) + " " + fault);
}

// The value of the digits of word (all of digits must be decimal digits), at most limit.
long long Magnitude(std::string_view word, std::string_view digits, const char* what, long long limit) {
    if (digits.empty())
        Reject(what, word, "is not a number");
    long long value = 0;
    for (char c : digits) {
        if (!IsDigit(c))
            Reject(what, word, "is not a number");
        value = value * 10 + (c - '0');
        if (value > limit)
            Reject(what, word, "is out of range");
    }
    return value;
}

// The field of word at [at, at + width): decimal digits within [low, high].
int TimeField(std::string_view word, size_t at, size_t width, int low, int high, const char* what) {
    int value = 0;
    for (char c : word.substr(at, width)) {
        if (!IsDigit(c))
            Reject(what, word, "is not a valid date or time");
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high)
        Reject(what, word, "is out of range");
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

int ParseNonNegative(std::string_view word, const char* what) {
    return static_cast<int>(Magnitude(word, word, what, INT_MAX));
}

int ParseSigned(std::string_view word, const char* what) {
    if (!word.empty() && word.front() == '-') {
        // INT_MIN has one more unit of magnitude than INT_MAX.
        return static_cast<int>(-Magnitude(word, word.substr(1), what, -static_cast<long long>(INT_MIN)));
    }
    return ParseNonNegative(word, what);
}

double ParseDecimal(std::string_view word, const char* what) {
    const size_t start = !word.empty() && word.front() == '-' ? 1 : 0;
    const size_t point = word.find('.');
    const std::string_view whole =
        word.substr(start, point == std::string_view::npos ? point : point - start);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : word.substr(point + 1);
    const auto digitsOnly = [](std::string_view digits) {
        for (char c : digits) {
            if (!IsDigit(c))
                return false;
        }
        return true;
    };
    if (whole.empty() || !digitsOnly(whole) || !digitsOnly(fraction) ||
        (point != std::string_view::npos && fraction.empty()))
        Reject(what, word, "is not a decimal number");
    double value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value))
        Reject(what, word, "is out of range");
    return value;
}

platform::LocalTime ParseLocalTime(std::string_view date, std::string_view time) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-')
        Reject("date", date, "is not of the form YYYY-MM-DD");
    if (time.size() != 8 || time[2] != ':' || time[5] != ':')
        Reject("time", time, "is not of the form HH:MM:SS");
    platform::LocalTime local;
    local.year = TimeField(date, 0, 4, 1, 9999, "date");
    local.month = TimeField(date, 5, 2, 1, 12, "date");
    local.day = TimeField(date, 8, 2, 1, DaysInMonth(local.year, local.month), "date");
    local.hour = TimeField(time, 0, 2, 0, 23, "time");
    local.minute = TimeField(time, 3, 2, 0, 59, "time");
    local.second = TimeField(time, 6, 2, 0, 59, "time");
    return local;
}

// Numbers and times in script lines. Every parser checks the whole word and its range and throws a
// ScriptError naming what was expected (what: e.g. "control id").
#pragma once

#include <string_view>

#include "platform/Clock.h"

// Decimal digits only, at most INT_MAX.
int ParseNonNegative(std::string_view word, const char* what);
// An optional '-' and decimal digits, within the range of int.
int ParseSigned(std::string_view word, const char* what);
// A decimal number: optional '-', digits with an optional point and fraction; finite.
double ParseDecimal(std::string_view word, const char* what);
// "YYYY-MM-DD" and "HH:MM:SS": a date of the Gregorian calendar (years 1 to 9999) and a time of day.
platform::LocalTime ParseLocalTime(std::string_view date, std::string_view time);

// Calculation files (.qrx): a calculation as JSON text with a format name and a version. Reading is
// defensive: anything but a complete, well-typed calculation of a known version is refused, with the
// reason, and gives no state.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "form/model/CalculationState.h"

inline constexpr const char* kCalculationFormat = "quellrix-calculation";
inline constexpr int kCalculationVersion = 1;
// Larger files are no calculation of ours and are not read.
inline constexpr std::size_t kCalculationMaxBytes = 1u << 20;

std::string WriteCalculationFile(const CalculationState& state);
// The same text, or none when it would not be read again (a text the user typed or the settings file
// gave is longer than a file's entry may be): what cannot be opened again is not saved.
std::optional<std::string> SavableCalculationFile(const CalculationState& state);

enum class CalculationFault {
    kNone,
    kNotJson,     // no well-formed JSON text (truncated, not UTF-8, nested too deeply)
    kForeign,     // JSON, but not named as a calculation of ours
    kNewer,       // a calculation of a later format version
    kWrongEntry,  // an entry is missing or of the wrong type (entry names it)
    kOutOfRange,  // an entry's value is not allowed (entry names it)
};

struct CalculationRead {
    std::optional<CalculationState> state;
    CalculationFault fault = CalculationFault::kNone;
    std::string entry;      // the faulty entry's path, such as "form.fields.di.text"
    long long version = 0;  // the version a newer file names
};

// Reads a calculation from the text of a file. The state's fields are those of the form, in tab order.
CalculationRead ReadCalculationFile(std::string_view text);

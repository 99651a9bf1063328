// The range checks of the inputs a calculation needs, as data: which check failed, and with what value.
#pragma once

#include <array>
#include <optional>

namespace hydraulics {

enum class InputCheck { V, Di, I, G, K, Re };

struct FailedCheck {
    InputCheck check;
    double value;  // the SI value that failed
};

// The quantities the checks look at, in SI units.
struct CheckedValues {
    double v, Di, I, g, k, Re;
};

// Whether a calculation for the sought parameter computes anything at all (SOUGHT_Q and values outside
// the enumeration do not).
bool Computes(int sought);

// The checks a sought parameter needs, in their order (without allocating).
struct InputCheckList {
    std::array<InputCheck, 5> checks{};
    int count = 0;
    const InputCheck* begin() const { return checks.data(); }
    const InputCheck* end() const { return checks.data() + count; }
};

// J: v, Di, g, k, Re    v and Q: Di, g, k, I    k: Di, g, I, v    di and the others: none.
InputCheckList ChecksFor(int sought);

// The range of g that passes its check, inclusive [m/s²].
inline constexpr double kMinGravity = 0.1;
inline constexpr double kMaxGravity = 100;

// The first failing check of those the sought parameter needs, in their fixed order.
// Minimum values: v, Di, I and Re 0.0001, k 0.000001 m; g within 0.1 … 100 m/s² (inclusive).
// A NaN fails its check.
std::optional<FailedCheck> FirstFailedCheck(int sought, const CheckedValues& values);

}  // namespace hydraulics

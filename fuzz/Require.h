// A fuzz target's check: a property that does not hold aborts, so libFuzzer keeps the input.
#pragma once

#include <cstdlib>

namespace fuzzing {

inline void Require(bool holds) {
    if (!holds)
        std::abort();
}

}  // namespace fuzzing

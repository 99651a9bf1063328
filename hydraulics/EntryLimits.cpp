#include "hydraulics/EntryLimits.h"

#include "platform/Prompt.h"

namespace hydraulics {

std::optional<double> ApplyEntryLimits(double x, const EntryRange& range) {
    const EntryLimit* crossed = nullptr;
    if (x < range.low.bound)
        crossed = &range.low;
    else if (x > range.high.bound)
        crossed = &range.high;
    if (!crossed)
        return std::nullopt;
    platform::ShowMessage(crossed->message);
    if (!crossed->clamps)
        return std::nullopt;
    return crossed->bound;
}

EntryRange VelocityRange(const char* tooSmall, const char* beyondDefinition) {
    return {{0.05, tooSmall, true}, {15, beyondDefinition, false}};
}

}  // namespace hydraulics

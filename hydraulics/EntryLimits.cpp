#include "hydraulics/EntryLimits.h"

namespace hydraulics {

EntryCheck CheckEntry(double x, const EntryRange& range) {
    const EntryBound* crossed = nullptr;
    EntrySide side = EntrySide::Within;
    if (x < range.low.bound) {
        crossed = &range.low;
        side = EntrySide::Low;
    } else if (x > range.high.bound) {
        crossed = &range.high;
        side = EntrySide::High;
    }
    if (!crossed || !crossed->clamps)
        return {side, false, x};
    return {side, true, crossed->bound};
}

}  // namespace hydraulics

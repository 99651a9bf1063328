// Limits of the values the user types into the form. An entry beyond a limit draws the limit's
// message; a clamping limit then replaces the entry by its bound, a warning limit keeps it.
#pragma once

#include <optional>

namespace hydraulics {

struct EntryLimit {
    double bound;
    const char* message;
    bool clamps;
};

struct EntryRange {
    EntryLimit low;   // crossed by an entry below the bound
    EntryLimit high;  // crossed by an entry above the bound
};

// Shows the message of the limit that x crosses, if any. Returns the bound when that limit clamps
// (the caller shows it after the message), nothing when x stays as it is.
std::optional<double> ApplyEntryLimits(double x, const EntryRange& range);

// Velocities v and vt [m/s]: below 0.05 clamped, above 15 only warned about.
EntryRange VelocityRange(const char* tooSmall, const char* beyondDefinition);

}  // namespace hydraulics

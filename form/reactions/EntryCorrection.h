// Entries beyond their limits are corrected, never refused: the user is told which limit the entry
// crossed, then a clamping limit replaces it by its bound.
#pragma once

#include <optional>

#include "hydraulics/EntryLimits.h"

// Shows the message of the limit that x crosses, if any. Returns the bound when that limit clamps
// (the caller shows it after the message), nothing when x stays as it is.
std::optional<double> CorrectEntry(double x, hydraulics::EntryQuantity quantity,
                                   const hydraulics::EntryRange& range);

// Tells the user that the entry of quantity crossed the limit on side.
void TellEntryLimit(hydraulics::EntryQuantity quantity, hydraulics::EntrySide side);

// The wall roughness choices of the roughness list, in list order. The value belongs to the position;
// it is never read from the entry's text.
#pragma once

#include <string>
#include <vector>

struct RoughnessChoice {
    std::string text;  // the list entry
    double kMm;        // wall roughness k [mm]
};

// Position 0 is the manual entry: the only choice that lets the user type k.
inline constexpr int kManualRoughness = 0;

const std::vector<RoughnessChoice>& RoughnessChoices();

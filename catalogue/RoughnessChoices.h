// The wall roughness choices of the roughness list, in list order. The value belongs to the position;
// it is never read from the entry's text.
//
// Besides the manual entry (0.1 mm, a new ductile cast-iron pipe with cement-mortar lining):
//   kb, the operational roughness of sewers of worksheet DWA-A 110: 0.25 mm transport sewers without
//       manholes, 0.5 mm with manholes, 0.75 mm collectors with manholes, 1.5 mm with special manholes;
//   ki, the integral roughness of water mains of DVGW W 302: 0.1 mm long-distance and feeder mains,
//       0.4 mm main pipes, 1.0 mm meshed networks.
// Both take the losses of joints, bends and fittings into the wall roughness of the plain pipe.
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

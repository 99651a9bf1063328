// Limits of the values a user enters, as data. An entry beyond a limit is either clamped to the
// limit's bound or kept with a warning; which limit was crossed is returned, the caller tells the user.
#pragma once

namespace hydraulics {

struct EntryBound {
    double bound;
    bool clamps;  // false: the entry is kept, the crossing only warned about
};

struct EntryRange {
    EntryBound low;   // crossed by an entry below the bound
    EntryBound high;  // crossed by an entry above the bound
};

// The entered quantities that have limits.
enum class EntryQuantity { V, Vt, Re, I, Di, K, Ht };

enum class EntrySide { Within, Low, High };

struct EntryCheck {
    EntrySide crossed;
    bool clamped;  // the entry was replaced by the crossed bound
    double value;  // the bound when clamped, else the entry itself
};

// Which limit x crosses (NaN crosses none).
EntryCheck CheckEntry(double x, const EntryRange& range);

// v and vt [m/s]: below 0.05 clamped, above 15 only warned about (the range of definition of the
// partial-filling relations and of the calculation limits of v).
inline constexpr EntryRange kVelocityEntry{{0.05, true}, {15, false}};
// Re: turbulent flow from 2350 (just above the laminar limit of about 2320) up to 5.7e7.
inline constexpr EntryRange kReynoldsEntry{{2350, true}, {5.7e7, true}};
// Slope I [m/m]: 0.05 … 400 m/km.
inline constexpr EntryRange kSlopeEntry{{0.00005, true}, {0.4, true}};
// Inner diameter di [m]: 5 mm … 5 m.
inline constexpr EntryRange kDiameterEntry{{0.005, true}, {5.0, true}};
// Wall roughness k [m]: 0.01 … 50 mm.
inline constexpr EntryRange kRoughnessEntry{{0.00001, true}, {0.05, true}};
// Filling height ht [m]: at least 5 mm; above, it is bounded by the inner diameter.
inline constexpr double kMinFillingHeight = 0.005;

}  // namespace hydraulics

// The contents a new settings file gets: the global fluid data, the class list and the pipe tables of
// the ductile cast-iron wall-thickness classes.
//
// The pipes are those of EN 545 (water) and EN 598 (sewage), ductile iron pipes after ISO 2531: da is
// the standard outer diameter of the DN; the wall thickness of class Kn (K7 … K10) is
// s = n · (0.5 + 0.001 · DN) mm, not below the standard's minimum. ZMA is the cement-mortar
// lining, 3.5 or 4 mm as each table gives it. The inner diameter follows
// as di = da − 2 · (s + ZMA), the engine's InnerDiameter.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <vector>

namespace catalogue {

inline constexpr const char* kDefaultGravity = "9.81";
inline constexpr const char* kDefaultTemperature = "10.0";
inline constexpr const char* kDefaultDensity = "1010";

inline constexpr std::size_t kDefaultClassCount = 9;

// The class names in the order of the class list.
extern const std::array<const char*, kDefaultClassCount> kDefaultClassNames;

// The order in which the class tables are written.
extern const std::array<const char*, kDefaultClassCount> kDefaultTableOrder;

// One pipe, every value as the text stored.
struct DefaultPipe {
    const char* dn;
    const char* da;
    const char* s;
    const char* zma;
};

// The pipes of a default class in row order (row 1 first); empty for any other name.
std::vector<DefaultPipe> DefaultPipes(std::string_view className);

}  // namespace catalogue

// The contents a new settings file gets: the global fluid data, the class list and the pipe tables of
// the ductile cast-iron wall-thickness classes.
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

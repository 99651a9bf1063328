#include "catalogue/DefaultCatalogue.h"

namespace catalogue {

const std::array<const char*, kDefaultClassCount> kDefaultClassNames = {"K7",
                                                                        "K8-Abwasser",
                                                                        "K8-Trinkwasser",
                                                                        "K9-Abwasser",
                                                                        "K9-Trinkwasser",
                                                                        "K10-Abwasser",
                                                                        "K10-Trinkwasser",
                                                                        "K40",
                                                                        "Abwasser"};

const std::array<const char*, kDefaultClassCount> kDefaultTableOrder = {"K40",
                                                                        "Abwasser",
                                                                        "K10-Abwasser",
                                                                        "K10-Trinkwasser",
                                                                        "K9-Trinkwasser",
                                                                        "K9-Abwasser",
                                                                        "K8-Abwasser",
                                                                        "K8-Trinkwasser",
                                                                        "K7"};

namespace {

struct Wall {
    const char* s;
    const char* zma;
};

constexpr Wall kNone = {nullptr, nullptr};

// One nominal width: its outer diameter, the same in every class, and the wall of each class in the
// order of kDefaultClassNames (kNone: the class has no such pipe).
struct NominalWidth {
    const char* dn;
    const char* da;
    std::array<Wall, kDefaultClassCount> walls;
};

// Ascending DN, so that the rows of a class come out in ascending DN.
// clang-format off
const NominalWidth kNominalWidths[] = {
    // DN     da       K7             K8-Abwasser     K8-Trinkwasser  K9-Abwasser     K9-Trinkwasser
    //                 K10-Abwasser    K10-Trinkwasser K40             Abwasser
    {"80",   "98",   {{kNone,          kNone,          kNone,          kNone,          kNone,
                       {"6", "3.5"},   {"6", "4"},     {"4.8", "4.0"}, {"5.0", "3.5"}}}},
    {"100",  "118",  {{{"5", "3.5"},   kNone,          kNone,          kNone,          kNone,
                       {"6", "3.5"},   {"6", "4"},     {"4.8", "4.0"}, {"5.0", "3.5"}}}},
    {"125",  "144",  {{{"5", "3.5"},   kNone,          kNone,          {"6", "3.5"},   {"6", "4"},
                       {"6.2", "3.5"}, {"6.2", "4"},   {"4.8", "4.0"}, {"5.0", "3.5"}}}},
    {"150",  "170",  {{{"5", "3.5"},   kNone,          kNone,          {"6", "3.5"},   {"6", "4"},
                       {"6.5", "3.5"}, {"6.5", "4"},   {"5", "4.0"},   {"5.0", "3.5"}}}},
    {"200",  "222",  {{{"5", "3.5"},   {"6", "3.5"},   {"6", "4"},     {"6.3", "3.5"}, {"6.3", "4"},
                       {"7", "3.5"},   {"7", "4"},     {"5.4", "4.0"}, {"5.0", "3.5"}}}},
    {"250",  "274",  {{{"5.3", "3.5"}, {"6", "3.5"},   {"6", "4"},     {"6.8", "3.5"}, {"6.8", "4"},
                       {"7.5", "3.5"}, {"7.5", "4"},   {"5.8", "4.0"}, {"5.3", "3.5"}}}},
    {"300",  "326",  {{{"5.6", "3.5"}, {"6.4", "3.5"}, {"6.4", "4"},   {"7.2", "3.5"}, {"7.2", "4"},
                       {"8", "3.5"},   {"8", "4"},     {"6.2", "4.0"}, {"5.6", "3.5"}}}},
    {"350",  "378",  {{{"6", "5"},     {"6.8", "5"},   {"6.8", "5"},   {"7.7", "5"},   {"7.7", "5"},
                       {"8.5", "5"},   {"8.5", "5"},   kNone,          {"6.0", "5"}}}},
    {"400",  "429",  {{{"6.3", "5"},   {"7.2", "5"},   {"7.2", "5"},   {"8.1", "5"},   {"8.1", "5"},
                       {"9", "5"},     {"9", "5"},     kNone,          {"6.3", "5"}}}},
    {"450",  "480",  {{kNone,          kNone,          kNone,          kNone,          kNone,
                       kNone,          kNone,          kNone,          {"6.7", "5"}}}},
    {"500",  "532",  {{{"7", "5"},     {"8", "5"},     {"8", "5"},     {"9", "5"},     {"9", "5"},
                       {"10", "5"},    {"10", "5"},    kNone,          {"7.0", "5"}}}},
    {"600",  "635",  {{{"7.7", "5"},   {"8.8", "5"},   {"8.8", "5"},   {"9.9", "5"},   {"9.9", "5"},
                       {"11", "5"},    {"11", "5"},    kNone,          {"7.7", "5"}}}},
    {"700",  "738",  {{{"8.4", "6"},   {"9.6", "6"},   {"9.6", "6"},   {"10.8", "6"},  {"10.8", "6"},
                       {"12", "6"},    {"12", "6"},    kNone,          {"9.6", "6"}}}},
    {"800",  "842",  {{{"9.1", "6"},   {"10.4", "6"},  {"10.4", "6"},  {"11.7", "6"},  {"11.7", "6"},
                       {"13", "6"},    {"13", "6"},    kNone,          {"10.4", "6"}}}},
    {"900",  "945",  {{{"9.8", "6"},   {"11.2", "6"},  {"11.2", "6"},  {"12.6", "6"},  {"12.6", "6"},
                       {"14", "6"},    {"14", "6"},    kNone,          {"11.2", "6"}}}},
    {"1000", "1048", {{{"10.5", "6"},  {"12", "6"},    {"12", "6"},    {"13.5", "6"},  {"13.5", "6"},
                       {"15", "6"},    {"15", "6"},    kNone,          {"12.0", "6"}}}},
    {"1200", "1255", {{kNone,          {"13.6", "6"},  {"13.6", "6"},  {"15.3", "6"},  {"15.3", "6"},
                       {"17.0", "6"},  {"17.0", "6"},  kNone,          {"15.3", "6"}}}},
    {"1400", "1462", {{kNone,          {"15.2", "9"},  {"15.2", "9"},  {"17.1", "9"},  {"17.1", "9"},
                       {"19.0", "9"},  {"19.0", "9"},  kNone,          {"17.1", "9"}}}},
    {"1600", "1668", {{kNone,          kNone,          kNone,          {"18.9", "9"},  {"18.9", "9"},
                       {"21.0", "9"},  {"21.0", "9"},  kNone,          {"18.9", "9"}}}},
    {"1800", "1875", {{kNone,          kNone,          kNone,          {"20.7", "9"},  {"20.7", "9"},
                       {"23.0", "9"},  {"23.0", "9"},  kNone,          {"20.7", "9"}}}},
    {"2000", "2082", {{kNone,          kNone,          kNone,          {"22.5", "9"},  {"22.5", "9"},
                       {"25.0", "9"},  {"25.0", "9"},  kNone,          {"22.5", "9"}}}},
};
// clang-format on

}  // namespace

std::vector<DefaultPipe> DefaultPipes(std::string_view className) {
    std::vector<DefaultPipe> pipes;
    for (std::size_t column = 0; column < kDefaultClassCount; ++column) {
        if (className != kDefaultClassNames[column])
            continue;
        for (const NominalWidth& width : kNominalWidths) {
            const Wall& wall = width.walls[column];
            if (wall.s)
                pipes.push_back({width.dn, width.da, wall.s, wall.zma});
        }
    }
    return pipes;
}

}  // namespace catalogue

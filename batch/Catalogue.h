// What the form reads from "Rohre.ini" on its first showing and on every class or DN pick, read once:
// the global fluid data, the class list and each class's table, made current as the form makes it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/SettingsFile.h"

namespace batch {

struct CatalogueClass {
    std::string name;
    std::vector<PipeRow> rows;  // in the order of the DN list
};

struct Catalogue {
    std::optional<std::string> gravity, temperature, density;  // the texts of the global data
    std::vector<CatalogueClass> classes;                       // in list order
    std::optional<std::string> unusable;  // why "Rohre.ini" is not used (its defaults are), or nothing
};

// Reads the settings file (a bare name lies in the machine directory), writing its default contents
// first when it is missing or older than its revision, as the form does.
Catalogue ReadCatalogue(const std::string& fileName = SettingsFile::kFileName);

// The class of this name: the exact name, else one that differs in case only; -1 when there is none.
int FindClass(const Catalogue& catalogue, const std::string& name);

// The entry of the DN list of a class for a DN cell: the exact entry text, else the first entry of
// the same DN number; -1 when there is none.
int FindDn(const CatalogueClass& pipeClass, const std::string& dn);

}  // namespace batch

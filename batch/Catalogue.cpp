#include "batch/Catalogue.h"

#include <strings.h>

#include "platform/Number.h"

namespace batch {

Catalogue ReadCatalogue(const std::string& fileName) {
    const SettingsFile settings(fileName);
    settings.EnsureCurrentRevision();
    Catalogue catalogue;
    catalogue.unusable = settings.UnusableMessage();
    catalogue.gravity = settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kGravityKey);
    catalogue.temperature = settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kTemperatureKey);
    catalogue.density = settings.ReadSetting(SettingsFile::kGlobalSection, SettingsFile::kDensityKey);
    for (std::string& name : settings.ReadClassList()) {
        CatalogueClass pipeClass;
        pipeClass.rows = settings.ReadClassRows(name);
        pipeClass.name = std::move(name);
        catalogue.classes.push_back(std::move(pipeClass));
    }
    return catalogue;
}

int FindClass(const Catalogue& catalogue, const std::string& name) {
    for (size_t i = 0; i < catalogue.classes.size(); ++i) {
        if (catalogue.classes[i].name == name)
            return static_cast<int>(i);
    }
    for (size_t i = 0; i < catalogue.classes.size(); ++i) {
        if (strcasecmp(catalogue.classes[i].name.c_str(), name.c_str()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int FindDn(const CatalogueClass& pipeClass, const std::string& dn) {
    for (size_t i = 0; i < pipeClass.rows.size(); ++i) {
        if (pipeClass.rows[i].DN == dn)
            return static_cast<int>(i);
    }
    if (dn.empty() || dn.find_first_not_of("0123456789 ") != std::string::npos)
        return -1;
    const int wanted = platform::LeadingInteger(dn);
    for (size_t i = 0; i < pipeClass.rows.size(); ++i) {
        if (platform::LeadingInteger(pipeClass.rows[i].DN) == wanted)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace batch

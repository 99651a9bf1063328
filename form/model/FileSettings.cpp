#include "form/model/FormSettings.h"

std::optional<std::string> FileSettings::Open() {
    const SettingsFile settings;
    settings.EnsureCurrentRevision();
    return settings.UnusableMessage();
}

std::optional<std::string> FileSettings::GlobalValue(const char* key) {
    return SettingsFile().ReadSetting(SettingsFile::kGlobalSection, key);
}

std::vector<std::string> FileSettings::ClassList() {
    return SettingsFile().ReadClassList();
}

const std::vector<std::optional<std::string>>& FileSettings::ClassDns(const std::string& className) {
    m_dns = SettingsFile().ReadClassDns(className);
    return m_dns;
}

std::optional<std::string> FileSettings::RowValue(const std::string& className, int row, const char* key) {
    return SettingsFile().ReadRowValue(className, row, key);
}

void FileSettings::WriteGlobalData(const std::optional<std::string>& gravity,
                                   const std::optional<std::string>& temperature,
                                   const std::optional<std::string>& viscosity,
                                   const std::optional<std::string>& density) {
    SettingsFile().WriteGlobalData(gravity, temperature, viscosity, density);
}

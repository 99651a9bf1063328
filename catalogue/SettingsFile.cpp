#include "catalogue/SettingsFile.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <utility>

#include "catalogue/BuiltInSettings.h"
#include "catalogue/DefaultCatalogue.h"
#include "catalogue/UnusableSettingsMessage.h"
#include "platform/MachineDirectory.h"
#include "platform/Number.h"
#include "platform/PrivateProfile.h"

namespace {

std::string ClassKey(int index) {
    return platform::Format("%s%d", SettingsFile::kClassKeyPrefix, index);
}

std::vector<platform::ProfileEntry> DefaultEntries() {
    using catalogue::kDefaultClassNames;
    const std::string global = SettingsFile::kGlobalSection, classes = SettingsFile::kClassSection;
    std::vector<platform::ProfileEntry> entries = {
        {global, SettingsFile::kRevisionKey, platform::Format("%d", SettingsFile::kCurrentRevision)},
        {global, SettingsFile::kGravityKey, catalogue::kDefaultGravity},
        {global, SettingsFile::kTemperatureKey, catalogue::kDefaultTemperature},
        {global, SettingsFile::kDensityKey, catalogue::kDefaultDensity},
        {classes, SettingsFile::kClassCountKey,
         platform::Format("%d", static_cast<int>(kDefaultClassNames.size()))},
    };
    for (size_t i = 0; i < kDefaultClassNames.size(); ++i) {
        entries.push_back({classes, ClassKey(static_cast<int>(i)), kDefaultClassNames[i]});
    }
    for (const char* className : catalogue::kDefaultTableOrder) {
        int rowNumber = 0;
        for (const catalogue::DefaultPipe& pipe : catalogue::DefaultPipes(className)) {
            const std::string section = SettingsFile::RowSection(className, ++rowNumber);
            entries.push_back({section, SettingsFile::kDnKey, pipe.dn});
            entries.push_back({section, SettingsFile::kDaKey, pipe.da});
            entries.push_back({section, SettingsFile::kSKey, pipe.s});
            entries.push_back({section, SettingsFile::kZmaKey, pipe.zma});
        }
    }
    return entries;
}

platform::ProfileText DefaultContents() {
    platform::ProfileText contents;
    for (const platform::ProfileEntry& entry : DefaultEntries()) contents.Apply(entry);
    return contents;
}

// True when the leading-number rule finds digits at the start of text (after blanks and a sign), not
// the 0 it gives for a text without a number.
bool StartsWithNumber(std::string_view text) {
    size_t i = text.find_first_not_of(" \t");
    if (i != std::string_view::npos && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (i < text.size() && text[i] == '.')
        ++i;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

}  // namespace

SettingsFile::SettingsFile(std::string fileName) : m_fileName(std::move(fileName)) {}

std::optional<std::string> SettingsFile::ReadSetting(std::string_view section, std::string_view key) const {
    if (const catalogue::BuiltInSettings* builtIn = catalogue::BuiltInSettingsFor(m_fileName))
        return builtIn->contents.Value(section, key);
    return platform::GetPrivateProfileString(section, key, m_fileName);
}

bool SettingsFile::WriteSetting(std::string_view section, std::string_view key, std::string_view text) const {
    if (catalogue::BuiltInSettingsFor(m_fileName))
        return false;
    return platform::WritePrivateProfileString(section, key, text, m_fileName);
}

bool SettingsFile::EnsureCurrentRevision() const {
    catalogue::UseSettingsFile(m_fileName);
    const std::string path = platform::ResolveMachinePath(m_fileName);
    const std::optional<platform::ProfileProblem> problem = platform::CheckPrivateProfile(m_fileName);
    if (problem && problem->fault != platform::ProfileFault::kMissing) {
        catalogue::UseBuiltInSettings(m_fileName, DefaultContents(),
                                      catalogue::UnreadableSettingsMessage(path, *problem));
        return false;
    }
    const std::optional<std::string> revision = ReadSetting(kGlobalSection, kRevisionKey);
    if (revision && platform::LeadingInteger(*revision) >= kCurrentRevision)
        return true;
    int error = 0;
    if (platform::WritePrivateProfileStrings(DefaultEntries(), m_fileName, &error))
        return true;
    // A file that exists is still read as it is, unless it holds neither a class list nor global data
    // (empty or garbled); one that cannot even be created is not used.
    const auto holdsNothing = [&] {
        return ReadClassList().empty() && !ReadSetting(kGlobalSection, kGravityKey) &&
               !ReadSetting(kGlobalSection, kTemperatureKey) && !ReadSetting(kGlobalSection, kDensityKey);
    };
    if (problem)
        catalogue::UseBuiltInSettings(m_fileName, DefaultContents(),
                                      catalogue::UncreatableSettingsMessage(path, error));
    else if (holdsNothing())
        catalogue::UseBuiltInSettings(m_fileName, DefaultContents(),
                                      catalogue::IncompleteSettingsMessage(path, error));
    return false;
}

std::optional<std::string> SettingsFile::UnusableMessage() const {
    if (const catalogue::BuiltInSettings* builtIn = catalogue::BuiltInSettingsFor(m_fileName))
        return builtIn->message;
    return std::nullopt;
}

bool SettingsFile::WriteDefaultSettings() const {
    if (catalogue::BuiltInSettingsFor(m_fileName))
        return false;
    return platform::WritePrivateProfileStrings(DefaultEntries(), m_fileName);
}

std::vector<std::string> SettingsFile::ReadClassList() const {
    std::vector<std::string> classes;
    const std::optional<std::string> count = ReadSetting(kClassSection, kClassCountKey);
    if (!count)
        return classes;
    const int n = std::min(platform::LeadingInteger(*count), kMaxClasses);
    for (int i = 0; i < n; ++i) {
        if (std::optional<std::string> name = ReadSetting(kClassSection, ClassKey(i))) {
            classes.push_back(std::move(*name));
        }
    }
    return classes;
}

std::string SettingsFile::RowSection(std::string_view className, int rowNumber) {
    return std::string(className) + '-' + std::to_string(rowNumber);
}

std::optional<std::string> SettingsFile::ReadRowValue(std::string_view className, int rowNumber,
                                                      std::string_view key) const {
    return ReadSetting(RowSection(className, rowNumber), key);
}

std::vector<std::optional<std::string>> SettingsFile::ReadClassDns(std::string_view className) const {
    std::vector<platform::ProfileKey> keys;
    for (int row = 1; row <= kMaxRows; ++row) keys.push_back({RowSection(className, row), kDnKey});
    if (const catalogue::BuiltInSettings* builtIn = catalogue::BuiltInSettingsFor(m_fileName)) {
        std::vector<std::optional<std::string>> dns;
        for (const platform::ProfileKey& key : keys)
            dns.push_back(builtIn->contents.Value(key.section, key.key));
        return dns;
    }
    return platform::GetPrivateProfileStrings(keys, m_fileName);
}

std::optional<PipeRow> SettingsFile::ReadRow(std::string_view className, int rowNumber) const {
    std::optional<std::string> dn = ReadRowValue(className, rowNumber, kDnKey);
    if (!dn)
        return std::nullopt;
    return PipeRow{std::move(*dn), ReadRowValue(className, rowNumber, kDaKey),
                   ReadRowValue(className, rowNumber, kSKey), ReadRowValue(className, rowNumber, kZmaKey)};
}

std::vector<PipeRow> SettingsFile::ReadClassRows(std::string_view className) const {
    std::vector<PipeRow> rows;
    for (int row = 1; row <= kMaxRows; ++row) {
        if (std::optional<PipeRow> found = ReadRow(className, row))
            rows.push_back(std::move(*found));
    }
    return rows;
}

bool SettingsFile::WriteGlobalData(std::optional<std::string_view> gravity,
                                   std::optional<std::string_view> temperature,
                                   std::optional<std::string_view> viscosity,
                                   std::optional<std::string_view> density) const {
    if (catalogue::BuiltInSettingsFor(m_fileName))
        return false;
    // Every user and every batch run calculates with these: a text that would read as no usable value
    // (g = 0, a density of "nan", an infinite viscosity) is not stored, the file keeps its own.
    constexpr double kAbsoluteZero = -273.15;
    const struct {
        const char* key;
        std::optional<std::string_view> text;
        double above;
    } values[] = {{kGravityKey, gravity, 0},
                  {kTemperatureKey, temperature, kAbsoluteZero},
                  {kViscosityKey, viscosity, 0},
                  {kDensityKey, density, 0}};
    std::vector<platform::ProfileEntry> entries;
    for (const auto& value : values) {
        if (!value.text)
            continue;
        const double number = platform::LeadingNumber(*value.text);
        if (StartsWithNumber(*value.text) && std::isfinite(number) && number > value.above)
            entries.push_back({kGlobalSection, value.key, std::string(*value.text)});
    }
    const bool written = entries.empty() || platform::WritePrivateProfileStrings(entries, m_fileName);
    return written && entries.size() == std::size(values);
}

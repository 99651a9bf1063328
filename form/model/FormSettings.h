// Where the form model reads the pipe catalogue and the global fluid data, and where it writes the fluid
// data back when the form closes: "Rohre.ini" for the window and the session runner (FileSettings), a
// catalogue read once for the batch tool.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/SettingsFile.h"

class FormSettings {
  public:
    virtual ~FormSettings() = default;
    // Makes the source current before the first showing; why it is not used (its defaults are), if so.
    virtual std::optional<std::string> Open() = 0;
    // A value of the global data (SettingsFile::kGravityKey, ...); absent when missing or empty.
    virtual std::optional<std::string> GlobalValue(const char* key) = 0;
    virtual std::vector<std::string> ClassList() = 0;
    // The DN of every row of the class table, in row order; absent for a row that does not exist.
    virtual const std::vector<std::optional<std::string>>& ClassDns(const std::string& className) = 0;
    // One value of a row (numbered from 1, as ClassDns counts them): SettingsFile::kDaKey, ...
    virtual std::optional<std::string> RowValue(const std::string& className, int row, const char* key) = 0;
    // The texts of the global fluid data to keep; an absent one leaves the stored value as it is.
    virtual void WriteGlobalData(const std::optional<std::string>& gravity,
                                 const std::optional<std::string>& temperature,
                                 const std::optional<std::string>& viscosity,
                                 const std::optional<std::string>& density) = 0;
};

// "Rohre.ini" in the machine directory, read again at every access so that a change by hand is seen.
class FileSettings : public FormSettings {
  public:
    std::optional<std::string> Open() override;
    std::optional<std::string> GlobalValue(const char* key) override;
    std::vector<std::string> ClassList() override;
    const std::vector<std::optional<std::string>>& ClassDns(const std::string& className) override;
    std::optional<std::string> RowValue(const std::string& className, int row, const char* key) override;
    void WriteGlobalData(const std::optional<std::string>& gravity,
                         const std::optional<std::string>& temperature,
                         const std::optional<std::string>& viscosity,
                         const std::optional<std::string>& density) override;

  private:
    std::vector<std::optional<std::string>> m_dns;  // of the class last asked for
};

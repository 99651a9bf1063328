// The settings file "Rohre.ini": global fluid data, the list of wall-thickness classes and one section
// per pipe of each class table. Reads and writes go to the file itself (parsed once while it stays
// unchanged), so a change made by hand is seen at the next read. A file that cannot be used (found so
// by EnsureCurrentRevision) is replaced for the rest of the run by the default contents in memory and
// is never written.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One row of a class table, every value as the text stored. A row exists when its "DN" is present;
// the other keys may be absent.
struct PipeRow {
    std::string DN;
    std::optional<std::string> da;
    std::optional<std::string> s;
    std::optional<std::string> ZMA;
};

class SettingsFile {
  public:
    static constexpr const char* kFileName = "Rohre.ini";
    static constexpr int kCurrentRevision = 2;
    static constexpr int kMaxRows = 49;  // rows 1 to kMaxRows of a class table are read
    // At most this many indices of the class list are read, whatever "Anzahl" says, so that a huge
    // count cannot stall the start.
    static constexpr int kMaxClasses = 1000;

    static constexpr const char* kGlobalSection = "Gobale Daten";
    static constexpr const char* kRevisionKey = "Revision";
    static constexpr const char* kGravityKey = "g";
    static constexpr const char* kTemperatureKey = "Fluidtemperatur";
    static constexpr const char* kViscosityKey = "Zaehigkeit";
    static constexpr const char* kDensityKey = "Fluiddichte";

    static constexpr const char* kClassSection = "K-Werte";
    static constexpr const char* kClassCountKey = "Anzahl";
    static constexpr const char* kClassKeyPrefix = "K";  // "K0", "K1", ...

    static constexpr const char* kDnKey = "DN";
    static constexpr const char* kDaKey = "da";
    static constexpr const char* kSKey = "s";
    static constexpr const char* kZmaKey = "ZMA";

    // fileName: a bare name lies in the machine directory.
    explicit SettingsFile(std::string fileName = kFileName);

    // The value's text (at most 79 characters); absent when the key is missing or empty, or the file
    // is missing or unreadable.
    std::optional<std::string> ReadSetting(std::string_view section, std::string_view key) const;
    // Replaces the value in place, or adds the key to its section, or the section to the file (which is
    // created as needed). False when the file could not be written; it is then unchanged.
    bool WriteSetting(std::string_view section, std::string_view key, std::string_view text) const;

    // Writes the default contents when "Revision" is absent or below kCurrentRevision. True when the
    // file is current afterwards. A file that cannot be read (a symbolic link, not a regular file,
    // refused by the reader, no permission), or that is missing and cannot be created, is not used:
    // every later read gets the default contents, every write fails, and UnusableMessage says why.
    bool EnsureCurrentRevision() const;
    // Why the file is not used in this run; absent while it is.
    std::optional<std::string> UnusableMessage() const;
    // Writes the global data, the class list and the class tables, overwriting every key they name and
    // leaving all other keys alone. All or nothing: false leaves the file unchanged.
    bool WriteDefaultSettings() const;

    // The class names "K0" to "K<Anzahl - 1>" of "K-Werte" (at most kMaxClasses indices) in list
    // order; a missing index is skipped; none when "Anzahl" is missing or not positive.
    std::vector<std::string> ReadClassList() const;

    // The section of a class table row: class name, '-', row number.
    static std::string RowSection(std::string_view className, int rowNumber);
    // One key of a row ("DN", "da", "s" or "ZMA").
    std::optional<std::string> ReadRowValue(std::string_view className, int rowNumber,
                                            std::string_view key) const;
    // The "DN" of rows 1 to kMaxRows of the class table, in row order (absent for a missing row), read in
    // one access of the file.
    std::vector<std::optional<std::string>> ReadClassDns(std::string_view className) const;
    // The row, or absent when its "DN" is.
    std::optional<PipeRow> ReadRow(std::string_view className, int rowNumber) const;

    // The rows 1 to kMaxRows of a class that exist, in row order (the DN list's order).
    std::vector<PipeRow> ReadClassRows(std::string_view className) const;

    // "g", "Fluidtemperatur", "Zaehigkeit" and "Fluiddichte" of the global data, verbatim, in one
    // replacement of the file: of two programs closing at once, the last one's values stand. An absent
    // text, or one that does not read as a usable value (g, ν and ρ above 0, T above absolute zero, all
    // finite), is left out and the file keeps its value. True when all four were written.
    bool WriteGlobalData(std::optional<std::string_view> gravity, std::optional<std::string_view> temperature,
                         std::optional<std::string_view> viscosity,
                         std::optional<std::string_view> density) const;

  private:
    std::string m_fileName;
};

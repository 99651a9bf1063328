// The program's own profile in the registry of the user: sections are subkeys of
// HKEY_CURRENT_USER\Software\Local AppWizard-Generated Applications\Quellrix, entries their values.
// Texts are REG_SZ in UTF-16 (UTF-8 here), numbers REG_DWORD, device settings REG_BINARY.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform::win32 {

class RegistryStore {
  public:
    // The application's key under HKEY_CURRENT_USER\Software.
    static constexpr const wchar_t* kApplicationKey =
        L"Software\\Local AppWizard-Generated Applications\\Quellrix";

    // The store of the application's key, or (tests) of another key under HKEY_CURRENT_USER.
    explicit RegistryStore(std::wstring key = kApplicationKey) : m_key(std::move(key)) {}

    // Absent when the section or the entry does not exist or holds another type.
    std::optional<std::string> ReadString(const std::string& section, const std::string& entry) const;
    std::optional<std::uint32_t> ReadNumber(const std::string& section, const std::string& entry) const;
    std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& section,
                                                        const std::string& entry) const;

    // The section is created when missing; false when the registry refuses the write.
    bool WriteString(const std::string& section, const std::string& entry, const std::string& value) const;
    bool WriteNumber(const std::string& section, const std::string& entry, std::uint32_t value) const;
    bool WriteBinary(const std::string& section, const std::string& entry,
                     const std::vector<std::uint8_t>& value) const;

    // Removes the entry; true when it is gone (or was never there).
    bool Remove(const std::string& section, const std::string& entry) const;

  private:
    std::optional<std::vector<std::uint8_t>> Read(const std::string& section, const std::string& entry,
                                                  unsigned long type) const;
    bool Write(const std::string& section, const std::string& entry, unsigned long type, const void* data,
               std::size_t size) const;
    std::wstring SectionKey(const std::string& section) const;

    std::wstring m_key;
};

}  // namespace platform::win32

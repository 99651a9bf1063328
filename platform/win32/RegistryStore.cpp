#include "platform/win32/RegistryStore.h"

#include <cstring>

#include "platform/win32/Wide.h"
#include "platform/win32/WindowsApi.h"

namespace platform::win32 {

namespace {

// Registry values larger than this are not ours: a profile entry is a path or a printer's settings.
constexpr DWORD kMaxValueSize = 1 << 20;

class Key {
  public:
    Key(const std::wstring& path, bool create) {
        const LSTATUS status =
            create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     KEY_SET_VALUE, nullptr, &m_key, nullptr)
                   : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &m_key);
        if (status != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~Key() {
        if (m_key)
            RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Get() const { return m_key; }

  private:
    HKEY m_key = nullptr;
};

}  // namespace

std::wstring RegistryStore::SectionKey(const std::string& section) const {
    return m_key + L"\\" + Widen(section);
}

std::optional<std::vector<std::uint8_t>> RegistryStore::Read(const std::string& section,
                                                             const std::string& entry,
                                                             unsigned long type) const {
    const Key key(SectionKey(section), false);
    if (!key.Get())
        return std::nullopt;
    const std::wstring name = Widen(entry);
    DWORD actual = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &actual, nullptr, &size) != ERROR_SUCCESS ||
        actual != type || size > kMaxValueSize)
        return std::nullopt;
    std::vector<std::uint8_t> data(size);
    if (RegQueryValueExW(key.Get(), name.c_str(), nullptr, &actual, data.data(), &size) != ERROR_SUCCESS ||
        actual != type)
        return std::nullopt;
    data.resize(size);
    return data;
}

bool RegistryStore::Write(const std::string& section, const std::string& entry, unsigned long type,
                          const void* data, std::size_t size) const {
    const Key key(SectionKey(section), true);
    if (!key.Get() || size > kMaxValueSize)
        return false;
    return RegSetValueExW(key.Get(), Widen(entry).c_str(), 0, type, static_cast<const BYTE*>(data),
                          static_cast<DWORD>(size)) == ERROR_SUCCESS;
}

std::optional<std::string> RegistryStore::ReadString(const std::string& section,
                                                     const std::string& entry) const {
    const auto data = Read(section, entry, REG_SZ);
    if (!data)
        return std::nullopt;
    std::wstring text(data->size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data->data(), text.size() * sizeof(wchar_t));
    // A stored string may or may not end with its NUL; the text ends at the first.
    text.resize(std::wcslen(text.c_str()));
    return Narrow(text);
}

std::optional<std::uint32_t> RegistryStore::ReadNumber(const std::string& section,
                                                       const std::string& entry) const {
    const auto data = Read(section, entry, REG_DWORD);
    if (!data || data->size() != sizeof(std::uint32_t))
        return std::nullopt;
    std::uint32_t value = 0;
    std::memcpy(&value, data->data(), sizeof value);
    return value;
}

std::optional<std::vector<std::uint8_t>> RegistryStore::ReadBinary(const std::string& section,
                                                                   const std::string& entry) const {
    return Read(section, entry, REG_BINARY);
}

bool RegistryStore::WriteString(const std::string& section, const std::string& entry,
                                const std::string& value) const {
    const std::wstring text = Widen(value);
    return Write(section, entry, REG_SZ, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

bool RegistryStore::WriteNumber(const std::string& section, const std::string& entry,
                                std::uint32_t value) const {
    return Write(section, entry, REG_DWORD, &value, sizeof value);
}

bool RegistryStore::WriteBinary(const std::string& section, const std::string& entry,
                                const std::vector<std::uint8_t>& value) const {
    return Write(section, entry, REG_BINARY, value.data(), value.size());
}

bool RegistryStore::Remove(const std::string& section, const std::string& entry) const {
    HKEY key = nullptr;
    const LSTATUS opened =
        RegOpenKeyExW(HKEY_CURRENT_USER, SectionKey(section).c_str(), 0, KEY_SET_VALUE, &key);
    if (opened == ERROR_FILE_NOT_FOUND)
        return true;
    if (opened != ERROR_SUCCESS)
        return false;
    const LSTATUS status = RegDeleteValueW(key, Widen(entry).c_str());
    RegCloseKey(key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace platform::win32

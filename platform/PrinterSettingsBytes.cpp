#include "platform/PrinterSettingsBytes.h"

#include <cstddef>

namespace platform {

namespace {

constexpr std::size_t kDevNamesHeader = 8;
constexpr std::size_t kDevModeSizeAt = 68, kDriverExtraAt = 70;
constexpr std::size_t kDevModeFieldsEnd = 76;  // dmFields, the first field after the sizes, ends here

std::uint16_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

}  // namespace

std::optional<std::u16string> DeviceNameOfDevNames(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kDevNamesHeader)
        return std::nullopt;
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) units[i] = static_cast<char16_t>(Word(bytes, 2 * i));
    for (std::size_t offset : {0, 2, 4}) {
        const std::size_t start = Word(bytes, offset);
        if (start < kDevNamesHeader / 2 || units.find(u'\0', start) == std::u16string::npos)
            return std::nullopt;
    }
    const std::size_t device = Word(bytes, 2);
    std::u16string name = units.substr(device, units.find(u'\0', device) - device);
    if (name.empty())
        return std::nullopt;
    return name;
}

bool IsWholeDevMode(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < kDevModeFieldsEnd)
        return false;
    const std::size_t size = Word(bytes, kDevModeSizeAt);
    return size >= kDevModeFieldsEnd && size + Word(bytes, kDriverExtraAt) == bytes.size();
}

}  // namespace platform

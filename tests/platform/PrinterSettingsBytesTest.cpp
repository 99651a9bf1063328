// Kept printer data of the print dialogs, checked before the system sees it.
#include "platform/PrinterSettingsBytes.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;
using Bytes = std::vector<std::uint8_t>;

void PutWord(Bytes& bytes, std::size_t at, unsigned value) {
    bytes[at] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// A header of offsets (in code units) and then UTF-16 units, little-endian.
Bytes DevNames(unsigned driver, unsigned device, unsigned port, const std::u16string& texts) {
    Bytes bytes(8 + 2 * texts.size());
    PutWord(bytes, 0, driver);
    PutWord(bytes, 2, device);
    PutWord(bytes, 4, port);
    for (std::size_t i = 0; i < texts.size(); ++i) PutWord(bytes, 8 + 2 * i, texts[i]);
    return bytes;
}

TEST(PrinterSettingsBytes, DeviceNameOnlyFromWholeDevNames) {
    const std::u16string texts = u"winspool\0Drucker ä\0LPT1:\0"s;  // at 4, 13, 23
    Bytes cut = DevNames(4, 13, 23, texts);
    cut.resize(cut.size() - 2);  // the port's name without its end
    struct Case {
        Bytes bytes;
        std::optional<std::u16string> name;
    };
    for (const Case& c : {Case{DevNames(4, 13, 23, texts), u"Drucker ä"}, Case{cut, std::nullopt},
                          Case{DevNames(4, 13, 99, texts), std::nullopt},  // port beyond the end
                          Case{DevNames(4, 2, 23, texts), std::nullopt},   // device in the header
                          Case{DevNames(4, 12, 23, texts), std::nullopt},  // an empty device name
                          Case{Bytes{4, 0, 4, 0, 4}, std::nullopt}, Case{Bytes{}, std::nullopt}}) {
        EXPECT_EQ(platform::DeviceNameOfDevNames(c.bytes), c.name);
    }
}

TEST(PrinterSettingsBytes, DevModeIsItsStatedSizePlusTheDriversData) {
    struct Case {
        std::size_t length;
        unsigned size, extra;
        bool whole;
    };
    for (const Case& c :
         {Case{220, 220, 0, true}, Case{300, 220, 80, true}, Case{299, 220, 80, false}, Case{76, 76, 0, true},
          Case{75, 75, 0, false}, Case{80, 40, 40, false}, Case{10, 10, 0, false}}) {
        Bytes bytes(c.length);
        if (c.length >= 72) {
            PutWord(bytes, 68, c.size);
            PutWord(bytes, 70, c.extra);
        }
        EXPECT_EQ(platform::IsWholeDevMode(bytes), c.whole) << c.length << " " << c.size << "+" << c.extra;
    }
}

}  // namespace

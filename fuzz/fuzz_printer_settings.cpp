// Kept printer data on arbitrary bytes: a device name found is one of the bytes' NUL-ended names and
// never empty; whole DEVMODE bytes stay whole and stop being so when a byte is added.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/PrinterSettingsBytes.h"
#include "Require.h"

using fuzzing::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    if (const auto name = platform::DeviceNameOfDevNames(bytes)) {
        Require(!name->empty() && name->find(u'\0') == std::u16string::npos);
        Require(8 + 2 * name->size() < size);
    }
    if (platform::IsWholeDevMode(bytes)) {
        bytes.push_back(0);
        Require(!platform::IsWholeDevMode(bytes));
    }
    return 0;
}

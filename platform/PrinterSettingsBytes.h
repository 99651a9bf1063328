// The printer data of the Windows print dialogs as the profile keeps them, checked without the system:
// kept bytes are input that may have been changed outside the program.
//
// DEVNAMES: four 16-bit numbers, the offsets (in UTF-16 code units from its start) of the driver's, the
// device's and the port's name, and flags; each name ends with a NUL. DEVMODEW: its own size at byte 68
// and the size of the driver's data that follows it at byte 70. Numbers are little-endian.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The device name of DEVNAMES bytes; absent when they are shorter than their header, an offset points
// into the header or beyond the bytes, a name does not end inside them, or the device name is empty.
std::optional<std::u16string> DeviceNameOfDevNames(const std::vector<std::uint8_t>& bytes);

// True when DEVMODEW bytes are exactly their stated size plus the driver's data, and the stated size
// covers the fields up to dmFields.
bool IsWholeDevMode(const std::vector<std::uint8_t>& bytes);

}  // namespace platform

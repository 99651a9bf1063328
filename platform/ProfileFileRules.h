// What every system's profile file shares: the bytes accepted as a profile's text, when a file is
// known by its identity, and the names of the siblings a replacement writes.
#pragma once

#include <string>
#include <string_view>

#include "platform/ProfileFile.h"

namespace platform {

// A read refused for the fault (with the system error, for kSystemError and kMissing).
ProfileRead RefusedProfile(ProfileFault fault, int error = 0);

// The bytes of a file read whole as a profile: refused when in UTF-16 or holding a NUL; a leading
// UTF-8 byte-order mark is taken off the text and noted. Identity, settledness and permissions are
// the caller's to fill in.
ProfileRead ProfileFromBytes(std::string bytes);

// The UTF-8 byte-order mark a file keeps when it had one.
inline constexpr std::string_view kProfileByteOrderMark = "\xEF\xBB\xBF";

// Whether a file modified at the time given (seconds and nanoseconds) and read now is known by its
// identity: only when no later modification can be given the same time (see ProfileFile::settled).
bool IsSettled(long long modifiedSeconds, long long modifiedNanoseconds, long long nowSeconds,
               long long nowNanoseconds);

// The name of a sibling of the file named fileName, written by process writer: ".NAME.PID.N.tmp".
std::string SiblingName(std::string_view fileName, unsigned long writer, unsigned number);

// The writer's process id in a sibling's name, or 0 when name is no sibling of the file named fileName.
unsigned long SiblingWriter(std::string_view name, std::string_view fileName);

}  // namespace platform

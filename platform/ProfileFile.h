// A private-profile file on disk: read only when it is a regular file of acceptable text, never through
// a symbolic link; replaced as a whole through a sibling file, so it is never left torn.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ProfileText.h"

namespace platform {

// Larger files are refused.
inline constexpr std::size_t kProfileMaxFileSize = 16u << 20;

// Why a profile file cannot be read.
enum class ProfileFault {
    kMissing,       // no file of that name (or no such directory, or a file in its place)
    kSymbolicLink,  // a symbolic link stands in its place
    kNotRegular,    // a directory, a FIFO, a device, ...
    kTooLarge,      // more than kProfileMaxFileSize bytes
    kNulByte,       // the text holds a NUL byte
    kUtf16,         // the text begins with a UTF-16 byte-order mark
    kSystemError,   // opening or reading failed with the system error in ProfileProblem::error
};

struct ProfileProblem {
    ProfileFault fault = ProfileFault::kSystemError;
    int error = 0;  // errno, for kSystemError and kMissing
};

// What tells one state of a file from another: a change by any program gives another identity
// (device, inode, size, modification and status change time to the nanosecond; on Windows size, last
// write and creation time, device and inode left 0).
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    long long size = 0;
    long long modifiedSeconds = 0, modifiedNanoseconds = 0;
    long long changedSeconds = 0, changedNanoseconds = 0;

    bool operator==(const FileIdentity& other) const;
    bool operator!=(const FileIdentity& other) const { return !(*this == other); }
};

// The identity of the regular file at path itself (a link is not followed); absent for anything else.
std::optional<FileIdentity> IdentityOf(const std::string& path);

// A profile file as read.
struct ProfileFile {
    FileIdentity identity;
    // File times come from a clock that may advance only every few milliseconds, so a change soon
    // after the file was read may leave its identity as it was. Only a file whose modification time
    // lies well away from the time it was read is known by its identity: any later modification
    // gives another time.
    bool settled = false;
    mode_t permissions = 0;
    bool byteOrderMark = false;  // the file begins with the UTF-8 mark, which the text leaves out
    ProfileText text;
};

struct ProfileRead {
    std::optional<ProfileFile> file;
    ProfileProblem problem;  // when there is no file
};

// 0 when this process may replace the existing file at path (it is not read-only to it), else the errno.
int ProfileFileWriteRefusal(const std::string& path);

// Reads the file at path, without following a symbolic link (on Windows any reparse point, a junction
// among them) and without blocking on a FIFO.
ProfileRead ReadProfileFile(const std::string& path);

// Replaces the file at path by one holding the text (after the UTF-8 byte-order mark when asked):
// written to a new sibling ".NAME.PID.N.tmp", synced and renamed over it; a new file gets
// permissions 0664 whatever the umask, an existing one keeps its own. Returns 0, or the errno of the
// failure, the file then unchanged.
int ReplaceProfileFile(const std::string& path, std::string_view text, bool byteOrderMark,
                       std::optional<mode_t> permissions);

// Removes the siblings of path that a replacement left behind when its process died: only files of
// this user, named as ReplaceProfileFile names them, whose process no longer exists.
void RemoveOrphanedSiblings(const std::string& path);

}  // namespace platform

// The private-profile (INI) service: texts stored under a section and a key in a small text file.
//
// File form: a line "[name]" opens a section; a line "key=value" inside a section is a key. Blanks
// (space, tab) around section names, keys and values are insignificant, and one pair of matching
// quotes ("..." or '...') around a value is removed when it is read. Lines whose first non-blank
// character is ';' or '#', lines without '=', "[" lines without "]" and key lines before the first
// section are no keys; they are kept as they are. Lines end in LF or CR LF. Section and key names
// are compared with ASCII case folding; when a section or a key occurs twice, the first one counts.
//
// Every call opens the file anew; nothing is cached. A bare file name lies in the machine directory.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A value is read into a buffer of this many characters, terminator included.
inline constexpr std::size_t kProfileValueBuffer = 80;
// Larger files are treated as unreadable.
inline constexpr std::size_t kProfileMaxFileSize = 16u << 20;

// The value of the key in the section: at most kProfileValueBuffer - 1 characters. Absent when the
// key is missing or its value is empty, and when the file is missing or unreadable (not a regular
// file, too large, or holding NUL bytes).
std::optional<std::string> GetPrivateProfileString(std::string_view section, std::string_view key,
                                                   std::string_view fileName);

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
};

// Sets the value of the key: an existing key keeps its line and gets the new value in place;
// otherwise the key line is added after the last key line of its section (after the section line
// when the section has none); otherwise the section is added at the end of the file, which is
// created as needed. Every other byte of the file stays as it was. Added lines end like most lines
// of the file (LF in a new file or on a tie); a last line without line end gets one first.
//
// The file is replaced as a whole (a sibling file, synced, renamed over it, with the old permission
// bits), so it is never left torn: on failure it is unchanged. A symbolic link in the file's place
// is replaced by a regular file; its target is never written. Returns false, leaving the file as it
// was, when the file is unreadable or read-only, the directory is not writable, or a name or value
// holds a line break or NUL (or the section name ']' or the key '=').
bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName);

// The entries applied one after the other as by WritePrivateProfileString, and stored in one
// replacement of the file: all of them or, on failure, none.
bool WritePrivateProfileStrings(const std::vector<ProfileEntry>& entries, std::string_view fileName);

}  // namespace platform

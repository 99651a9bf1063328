// The user's temporary directory and the files the program keeps there.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The temporary directory: TMPDIR when it is set and not empty, else "/tmp"; always ends in '/'.
std::string GetTempPath();

// The folder for files only this user may see: XDG_RUNTIME_DIR when it names a folder of this user
// that nobody else may enter, else GetTempPath(); always ends in '/'.
std::string GetPrivateBasePath();

// A new folder in dir, named prefix and six random characters, that only this user may enter (0700);
// its path without trailing slash, "" when none could be made.
std::string MakePrivateDirectory(const std::string& dir, const std::string& prefix);

// Removes an empty folder; false when nothing was removed.
bool RemoveDirectory(const std::string& path);

// A temporary file name in dir: the first three characters of prefix, unique in lower-case hexadecimal
// and ".tmp". With unique != 0 the name is only built and no file is created. With unique == 0 a free
// number is chosen and the file is created empty (owner-only); "" when no file could be created.
std::string GetTempFileName(const std::string& dir, const std::string& prefix, unsigned unique);

// Removes the file (a symbolic link itself, never its target); false when nothing was removed.
bool DeleteFile(const std::string& path);

// Writes bytes unchanged as the whole content of the file at path, creating it owner-only (0600). Fails,
// without touching anything, when path is a symbolic link, not a regular file, a file of another user or
// a file with further hard links. True when every byte was written and the file closed.
bool WriteFileSafely(const std::string& path, std::string_view bytes);

}  // namespace platform

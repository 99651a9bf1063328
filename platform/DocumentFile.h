// A file named as the document (command line, recent-file list): the program reads nothing from it,
// but it must be a file the user can open for reading.
#pragma once

#include <string>

namespace platform {

// True when path names a regular file that this process can open for reading. Directories, devices,
// pipes, missing files and files without read permission are not; a pipe is probed without waiting
// for a writer.
bool IsReadableDocumentFile(const std::string& path);

}  // namespace platform

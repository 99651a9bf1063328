// A file named as the document (command line, recent-file list, file dialog): a calculation file of
// the user's, read whole and replaced whole.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// True when path names a regular file that this process can open for reading. Directories, devices,
// pipes, missing files and files without read permission are not; a pipe is probed without waiting
// for a writer.
bool IsReadableDocumentFile(const std::string& path);

// Why a document file could not be read.
enum class DocumentReadFault {
    kNone,
    kCannotOpen,  // missing, no permission, no regular file (the errno is kept)
    kTooLarge,    // more than the reader's limit
};

struct DocumentRead {
    std::optional<std::string> bytes;
    DocumentReadFault fault = DocumentReadFault::kNone;
    int error = 0;
};

// Reads the whole regular file at path (a symbolic link is followed, a pipe never waited for); a file
// larger than maxBytes is refused unread.
DocumentRead ReadDocumentFile(const std::string& path, std::size_t maxBytes);

// Why a document file was not written.
enum class DocumentWriteFault {
    kNone,
    kForeignLink,  // a symbolic link another user planted in a shared sticky directory (LinkRules.h)
    kNotRegular,   // a device, a FIFO, a directory: never replaced by a file
    kReadOnly,     // the file may not be written by the user (or has no write permission at all)
    kSystemError,  // the errno is kept
};

struct DocumentWrite {
    DocumentWriteFault fault = DocumentWriteFault::kNone;
    int error = 0;
    bool Written() const { return fault == DocumentWriteFault::kNone; }
};

// Replaces the file at path by one holding bytes, atomically: written to a sibling, synced and renamed
// over it, so a failure leaves the old file (or none) and never a part of the new one. A symbolic link
// is kept and its target replaced, unless LinkRules.h forbids following it. An existing file keeps its
// permissions; a new one gets those of a user's new file (0666 less the umask). Siblings of the user's
// that a save killed midway left behind are removed.
DocumentWrite WriteDocumentFile(const std::string& path, std::string_view bytes);

}  // namespace platform

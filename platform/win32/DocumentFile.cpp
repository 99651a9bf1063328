#include "platform/DocumentFile.h"

#include "platform/win32/WindowsApi.h"

#include <cerrno>

#include "platform/ProfileFile.h"
#include "platform/win32/FileInfo.h"
#include "platform/win32/Wide.h"

namespace platform {

namespace {

using win32::Handle;

// The document for reading, a link followed; others may read, write or replace it meanwhile.
Handle OpenForReading(const std::string& path) {
    const std::optional<std::wstring> wide = win32::WidePath(path);
    if (!wide || wide->empty()) {
        ::SetLastError(ERROR_FILE_NOT_FOUND);
        return Handle();
    }
    return Handle(::CreateFileW(wide->c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool IsRegular(HANDLE file) {
    const std::optional<win32::FileInfo> info = win32::InfoOf(file);
    return info && info->kind == win32::FileKind::kRegular;
}

// The path a replacement renames onto: the final target of a symbolic link, else path itself.
std::string ReplacedPath(const std::string& path) {
    const Handle file = win32::OpenWithoutFollowing(path, FILE_READ_ATTRIBUTES,
                                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE);
    const std::optional<win32::FileInfo> info = file.Valid() ? win32::InfoOf(file.Get()) : std::nullopt;
    if (!info || info->kind != win32::FileKind::kReparsePoint)
        return path;
    const Handle target = OpenForReading(path);
    wchar_t resolved[32768];
    const DWORD length = target.Valid() ? ::GetFinalPathNameByHandleW(target.Get(), resolved, 32768, 0) : 0;
    return length == 0 || length >= 32768 ? path : win32::Narrow(std::wstring_view(resolved, length));
}

}  // namespace

bool IsReadableDocumentFile(const std::string& path) {
    const Handle file = OpenForReading(path);
    return file.Valid() && IsRegular(file.Get());
}

DocumentRead ReadDocumentFile(const std::string& path, std::size_t maxBytes) {
    DocumentRead read;
    read.fault = DocumentReadFault::kCannotOpen;
    const Handle file = OpenForReading(path);
    if (!file.Valid()) {
        read.error = win32::LastErrno();
        return read;
    }
    if (!IsRegular(file.Get())) {
        read.error = EINVAL;
        return read;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.Get(), buffer, sizeof buffer, &got, nullptr)) {
            read.error = win32::LastErrno();
            return read;
        }
        if (got == 0)
            break;
        if (bytes.size() + got > maxBytes) {
            read.fault = DocumentReadFault::kTooLarge;
            return read;
        }
        bytes.append(buffer, got);
    }
    read.fault = DocumentReadFault::kNone;
    read.bytes = std::move(bytes);
    return read;
}

// A read-only document or a directory is not replaced, as the system would not let it be written.
DocumentWrite WriteDocumentFile(const std::string& path, std::string_view bytes) {
    DocumentWrite write;
    if (path.empty() || !win32::WidePath(path)) {
        write.fault = DocumentWriteFault::kSystemError;
        write.error = ENOENT;
        return write;
    }
    const std::string target = ReplacedPath(path);
    const DWORD attributes = ::GetFileAttributesW(win32::Widen(target).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        write.fault = DocumentWriteFault::kNotRegular;
        return write;
    }
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        write.fault = DocumentWriteFault::kReadOnly;
        return write;
    }
    if (const int error = ReplaceProfileFile(target, bytes, false, std::nullopt)) {
        write.fault = DocumentWriteFault::kSystemError;
        write.error = error;
    }
    return write;
}

}  // namespace platform

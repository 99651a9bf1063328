#include "platform/PrivateProfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>

#include "platform/MachineDirectory.h"

namespace platform {

namespace {

// ---- The text of a profile -------------------------------------------------------------------------

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char FoldCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i]))
            return false;
    }
    return true;
}

// One line: its content is [begin, contentEnd), its line end (LF, CR LF or none) [contentEnd, end).
struct Line {
    size_t begin = 0;
    size_t contentEnd = 0;
    size_t end = 0;
};

Line LineAt(std::string_view text, size_t begin) {
    Line line;
    line.begin = begin;
    const size_t lf = text.find('\n', begin);
    line.end = lf == std::string_view::npos ? text.size() : lf + 1;
    line.contentEnd = lf == std::string_view::npos ? text.size() : lf;
    if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r')
        --line.contentEnd;
    return line;
}

enum class LineKind { kOther, kSection, kKey };

struct ParsedLine {
    LineKind kind = LineKind::kOther;
    std::string_view name;  // the section name or the key, trimmed
    size_t valueBegin = 0;  // the trimmed value, as offsets into the text
    size_t valueEnd = 0;
};

ParsedLine Parse(std::string_view text, const Line& line) {
    ParsedLine parsed;
    const std::string_view content = text.substr(line.begin, line.contentEnd - line.begin);
    const std::string_view body = Trim(content);
    if (body.empty() || body.front() == ';' || body.front() == '#')
        return parsed;
    if (body.front() == '[') {
        const size_t close = body.rfind(']');
        if (close == std::string_view::npos)
            return parsed;
        parsed.kind = LineKind::kSection;
        parsed.name = Trim(body.substr(1, close - 1));
        return parsed;
    }
    const size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.name = Trim(content.substr(0, equals));
    if (parsed.name.empty())
        return parsed;
    parsed.kind = LineKind::kKey;
    size_t begin = equals + 1, end = content.size();
    while (begin < end && IsBlank(content[begin])) ++begin;
    while (end > begin && IsBlank(content[end - 1])) --end;
    parsed.valueBegin = line.begin + begin;
    parsed.valueEnd = line.begin + end;
    return parsed;
}

// Where a key is stored, or where it would be added.
struct Location {
    bool sectionFound = false;
    size_t insertAt = 0;  // end of the section's last key line, or of its section line
    std::optional<ParsedLine> key;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location where;
    bool inSection = false;
    for (size_t pos = 0; pos < text.size();) {
        const Line line = LineAt(text, pos);
        pos = line.end;
        const ParsedLine parsed = Parse(text, line);
        if (parsed.kind == LineKind::kSection) {
            if (where.sectionFound)
                break;
            inSection = EqualsFolded(parsed.name, section);
            if (inSection) {
                where.sectionFound = true;
                where.insertAt = line.end;
            }
        } else if (inSection && parsed.kind == LineKind::kKey) {
            where.insertAt = line.end;
            if (EqualsFolded(parsed.name, key)) {
                where.key = parsed;
                break;
            }
        }
    }
    return where;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::optional<std::string> ValueIn(std::string_view text, std::string_view section, std::string_view key) {
    const Location where = Locate(text, Trim(section), Trim(key));
    if (!where.key)
        return std::nullopt;
    std::string_view value = text.substr(where.key->valueBegin, where.key->valueEnd - where.key->valueBegin);
    value = StripQuotes(value).substr(0, kProfileValueBuffer - 1);
    if (value.empty())
        return std::nullopt;
    return std::string(value);
}

// The line end most lines of the text have; LF on a tie.
const char* DominantLineEnd(std::string_view text) {
    size_t lf = 0, crlf = 0;
    for (size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
        ++(i > 0 && text[i - 1] == '\r' ? crlf : lf);
    }
    return crlf > lf ? "\r\n" : "\n";
}

bool HasAny(std::string_view text, std::string_view forbidden) {
    return text.find_first_of(forbidden) != std::string_view::npos;
}

// An entry that reads back as written: no line breaks or NUL, and names the parser accepts.
bool IsStorable(const ProfileEntry& entry) {
    using namespace std::string_view_literals;
    const std::string_view lineBreaks = "\r\n\0"sv;
    const std::string_view key = Trim(entry.key);
    if (HasAny(entry.section, lineBreaks) || HasAny(entry.section, "]"))
        return false;
    if (HasAny(entry.key, lineBreaks) || HasAny(entry.key, "="))
        return false;
    if (key.empty() || key.front() == ';' || key.front() == '#' || key.front() == '[')
        return false;
    return !HasAny(entry.value, lineBreaks);
}

void Apply(std::string& text, const ProfileEntry& entry) {
    const std::string_view section = Trim(entry.section), key = Trim(entry.key);
    const Location where = Locate(text, section, key);
    if (where.key) {
        text.replace(where.key->valueBegin, where.key->valueEnd - where.key->valueBegin, entry.value);
        return;
    }
    const std::string lineEnd = DominantLineEnd(text);
    std::string addition;
    if (!where.sectionFound)
        addition.append("[").append(section).append("]").append(lineEnd);
    addition.append(key).append("=").append(entry.value).append(lineEnd);
    const size_t at = where.sectionFound ? where.insertAt : text.size();
    if (at > 0 && text[at - 1] != '\n')
        addition.insert(0, lineEnd);
    text.insert(at, addition);
}

// ---- The file ----------------------------------------------------------------------------------------

enum class FileState { kMissing, kRead, kUnreadable };

struct FileContents {
    FileState state = FileState::kUnreadable;
    std::string text;
    std::optional<mode_t> permissions;  // of an existing file
};

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

// Reads a regular file of at most kProfileMaxFileSize bytes without NUL; anything else is unreadable.
// O_NONBLOCK keeps a FIFO in the file's place from blocking the open.
FileContents ReadProfileFile(const std::string& path) {
    FileContents contents;
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (file.Get() < 0) {
        if (errno == ENOENT)
            contents.state = FileState::kMissing;
        return contents;
    }
    struct stat status;
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return contents;
    if (static_cast<unsigned long long>(status.st_size) > kProfileMaxFileSize)
        return contents;
    std::string text;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(file.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return contents;
        if (n == 0)
            break;
        text.append(buffer, static_cast<size_t>(n));
        if (text.size() > kProfileMaxFileSize)
            return contents;
    }
    if (text.find('\0') != std::string::npos)
        return contents;
    contents.state = FileState::kRead;
    contents.text = std::move(text);
    contents.permissions = status.st_mode & 0777;
    return contents;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

// Creates a new, uniquely named file beside path; -1 when none can be created.
int CreateSibling(const std::string& path, std::string& siblingPath) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = path.rfind('/');
    const std::string directory = path.substr(0, slash + 1);
    const std::string name = path.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[64];
        std::snprintf(suffix, sizeof suffix, ".%ld.%u.tmp", static_cast<long>(::getpid()), counter++);
        siblingPath = directory + "." + name + suffix;
        const int fd =
            ::open(siblingPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

void SyncDirectoryOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string directory = slash == 0 ? "/" : path.substr(0, slash);
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0)
        ::fsync(dir.Get());
}

// A profile file in the machine directory is shared by the users of the machine: a new one is made
// readable for all and writable for its owner and group (the group of the machine directory, which
// passes it on), whatever the creator's umask.
constexpr mode_t kSharedFileMode = 0664;

// Replaces the file at path by one holding text: written to a sibling, synced and renamed over it.
bool ReplaceFile(const std::string& path, std::string_view text, std::optional<mode_t> permissions) {
    std::string siblingPath;
    FileDescriptor sibling(CreateSibling(path, siblingPath));
    if (sibling.Get() < 0)
        return false;
    const bool stored = ::fchmod(sibling.Get(), permissions.value_or(kSharedFileMode)) == 0 &&
                        WriteAll(sibling.Get(), text) && ::fsync(sibling.Get()) == 0 && sibling.Close() &&
                        ::rename(siblingPath.c_str(), path.c_str()) == 0;
    if (!stored) {
        ::unlink(siblingPath.c_str());
        return false;
    }
    SyncDirectoryOf(path);
    return true;
}

}  // namespace

std::optional<std::string> GetPrivateProfileString(std::string_view section, std::string_view key,
                                                   std::string_view fileName) {
    const FileContents contents = ReadProfileFile(ResolveMachinePath(fileName));
    if (contents.state != FileState::kRead)
        return std::nullopt;
    return ValueIn(contents.text, section, key);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName) {
    return WritePrivateProfileStrings({{std::string(section), std::string(key), std::string(value)}},
                                      fileName);
}

bool WritePrivateProfileStrings(const std::vector<ProfileEntry>& entries, std::string_view fileName) {
    for (const ProfileEntry& entry : entries) {
        if (!IsStorable(entry))
            return false;
    }
    const std::string path = ResolveMachinePath(fileName);
    const FileContents contents = ReadProfileFile(path);
    if (contents.state == FileState::kUnreadable)
        return false;
    if (contents.state == FileState::kRead && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        return false;
    }
    std::string text = contents.text;
    for (const ProfileEntry& entry : entries) Apply(text, entry);
    if (contents.state == FileState::kRead && text == contents.text)
        return true;
    return ReplaceFile(path, text, contents.permissions);
}

}  // namespace platform

#include "platform/PrivateProfile.h"

#include <cerrno>
#include <utility>

#include "platform/DirectoryLock.h"
#include "platform/MachineDirectory.h"

namespace platform {

namespace {

// The file parsed last; the form reads one settings file over and over.
struct ParsedFile {
    std::string path;
    std::optional<ProfileFile> file;
};

ParsedFile& LastParsed() {
    static ParsedFile parsed;
    return parsed;
}

// The file at path, parsed, or why it cannot be read.
const ProfileFile* Load(const std::string& path, ProfileProblem* problem) {
    ParsedFile& parsed = LastParsed();
    if (parsed.file && parsed.file->settled && parsed.path == path &&
        IdentityOf(path) == parsed.file->identity)
        return &*parsed.file;
    ProfileRead read = ReadProfileFile(path);
    parsed.path = path;
    parsed.file = std::move(read.file);
    if (!parsed.file && problem)
        *problem = read.problem;
    return parsed.file ? &*parsed.file : nullptr;
}

bool Fail(int* error, int value) {
    if (error)
        *error = value;
    return false;
}

}  // namespace

std::optional<std::string> GetPrivateProfileString(std::string_view section, std::string_view key,
                                                   std::string_view fileName) {
    const ProfileFile* file = Load(ResolveMachinePath(fileName), nullptr);
    if (!file)
        return std::nullopt;
    return file->text.Value(section, key);
}

std::vector<std::optional<std::string>> GetPrivateProfileStrings(const std::vector<ProfileKey>& keys,
                                                                 std::string_view fileName) {
    std::vector<std::optional<std::string>> values(keys.size());
    if (const ProfileFile* file = Load(ResolveMachinePath(fileName), nullptr)) {
        for (size_t i = 0; i < keys.size(); ++i) values[i] = file->text.Value(keys[i].section, keys[i].key);
    }
    return values;
}

std::optional<ProfileProblem> CheckPrivateProfile(std::string_view fileName) {
    ProfileProblem problem;
    if (Load(ResolveMachinePath(fileName), &problem))
        return std::nullopt;
    return problem;
}

bool WritePrivateProfileString(std::string_view section, std::string_view key, std::string_view value,
                               std::string_view fileName) {
    return WritePrivateProfileStrings({{std::string(section), std::string(key), std::string(value)}},
                                      fileName);
}

bool WritePrivateProfileStrings(const std::vector<ProfileEntry>& entries, std::string_view fileName,
                                int* error) {
    for (const ProfileEntry& entry : entries) {
        if (!ProfileText::IsStorable(entry))
            return Fail(error, EINVAL);
    }
    const std::string path = ResolveMachinePath(fileName);
    // Read, change and replace under the lock, so that no writer's change is lost to another's.
    const DirectoryLock lock(DirectoryOf(path));
    ProfileProblem problem;
    const ProfileFile* file = Load(path, &problem);
    if (!file && problem.fault != ProfileFault::kMissing)
        return Fail(error, problem.error != 0 ? problem.error : EPERM);
    if (const int refusal = file ? ProfileFileWriteRefusal(path) : 0)
        return Fail(error, refusal);
    ProfileText text(file ? file->text.Text() : std::string());
    for (const ProfileEntry& entry : entries) text.Apply(entry);
    if (file && text.Text() == file->text.Text())
        return true;
    const bool byteOrderMark = file && file->byteOrderMark;
    const std::optional<mode_t> permissions = file ? std::optional<mode_t>(file->permissions) : std::nullopt;

    RemoveOrphanedSiblings(path);
    LastParsed().file.reset();
    if (const int failure = ReplaceProfileFile(path, text.Text(), byteOrderMark, permissions))
        return Fail(error, failure);
    return true;
}

}  // namespace platform

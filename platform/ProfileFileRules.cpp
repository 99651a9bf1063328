#include "platform/ProfileFileRules.h"

#include <cstdlib>
#include <utility>

namespace platform {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

// How far from the time of reading a file's modification time must lie for the file to be known by
// its identity: well above the few milliseconds between the ticks of the clock of file times.
constexpr long long kSettlingNanoseconds = 50'000'000;

constexpr std::string_view kSiblingSuffix = ".tmp";

std::string SiblingPrefix(std::string_view fileName) {
    return "." + std::string(fileName) + ".";
}

}  // namespace

bool FileIdentity::operator==(const FileIdentity& other) const {
    return device == other.device && inode == other.inode && size == other.size &&
           modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds &&
           changedSeconds == other.changedSeconds && changedNanoseconds == other.changedNanoseconds;
}

ProfileRead RefusedProfile(ProfileFault fault, int error) {
    ProfileRead read;
    read.problem = {fault, error};
    return read;
}

ProfileRead ProfileFromBytes(std::string bytes) {
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"))
        return RefusedProfile(ProfileFault::kUtf16);
    if (bytes.find('\0') != std::string::npos)
        return RefusedProfile(ProfileFault::kNulByte);
    ProfileRead read;
    ProfileFile& accepted = read.file.emplace();
    accepted.byteOrderMark = StartsWith(bytes, kProfileByteOrderMark);
    if (accepted.byteOrderMark)
        bytes.erase(0, kProfileByteOrderMark.size());
    accepted.text = ProfileText(std::move(bytes));
    return read;
}

bool IsSettled(long long modifiedSeconds, long long modifiedNanoseconds, long long nowSeconds,
               long long nowNanoseconds) {
    // Any time may be set on a file; only one near now is compared to the nanosecond.
    if (modifiedSeconds < nowSeconds - 1 || modifiedSeconds > nowSeconds + 1)
        return true;
    const long long distance =
        (modifiedSeconds - nowSeconds) * 1'000'000'000 + (modifiedNanoseconds - nowNanoseconds);
    return distance < -kSettlingNanoseconds || distance > kSettlingNanoseconds;
}

std::string SiblingName(std::string_view fileName, unsigned long writer, unsigned number) {
    return SiblingPrefix(fileName) + std::to_string(writer) + "." + std::to_string(number) +
           std::string(kSiblingSuffix);
}

unsigned long SiblingWriter(std::string_view name, std::string_view fileName) {
    const std::string prefix = SiblingPrefix(fileName);
    if (!StartsWith(name, prefix) || name.size() < prefix.size() + kSiblingSuffix.size() ||
        name.substr(name.size() - kSiblingSuffix.size()) != kSiblingSuffix) {
        return 0;
    }
    const std::string_view middle =
        name.substr(prefix.size(), name.size() - prefix.size() - kSiblingSuffix.size());
    const size_t dot = middle.find('.');
    const auto allDigits = [](std::string_view digits) {
        return !digits.empty() && digits.size() <= 10 &&
               digits.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (dot == std::string_view::npos || !allDigits(middle.substr(0, dot)) ||
        !allDigits(middle.substr(dot + 1)))
        return 0;
    const long long pid = std::atoll(std::string(middle.substr(0, dot)).c_str());
    return pid > 0 && pid <= 0x7fffffff ? static_cast<unsigned long>(pid) : 0;
}

}  // namespace platform

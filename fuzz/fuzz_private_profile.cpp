// The private-profile service on arbitrary file bytes and a random sequence of reads and writes.
// After each operation:
// - a read leaves the file as it was, and gives a value of at most 79 characters (never a UTF-8
//   character split) without a line break;
// - a failed write leaves the file byte for byte as it was;
// - a successful write reads back as written (blanks around it and one pair of quotes dropped), and
//   every line it did not concern is still there byte for byte: it either replaced one line or
//   inserted at most a section line and a key line in one place;
// - no sibling file stays behind in the directory.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "MachineDirectory.h"
#include "platform/PrivateProfile.h"
#include "platform/Utf8.h"
#include "Require.h"

using fuzzing::Require;

namespace {

constexpr const char* kFile = "Fuzz.ini";

std::optional<std::string> ReadFile() {
    std::ifstream in(fuzzing::MachineDirectory() / kFile, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

char Fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Folded(std::string_view text) {
    std::string folded(Trim(text));
    for (char& c : folded) c = Fold(c);
    return folded;
}

// What a read gives after the value was written.
std::optional<std::string> ReadsBackAs(std::string_view value) {
    value = Trim(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    value = platform::FirstCharacters(value, platform::kProfileValueBuffer - 1);
    if (value.empty())
        return std::nullopt;
    return std::string(value);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t begin = 0;;) {
        const size_t lf = text.find('\n', begin);
        lines.push_back(
            text.substr(begin, lf == std::string_view::npos ? std::string_view::npos : lf - begin));
        if (lf == std::string_view::npos)
            return lines;
        begin = lf + 1;
    }
}

// after is before with the value of one key line replaced, or with at most a section line and a key
// line inserted in one place (the split into lines also counts the end after a last line end).
bool OneEditOfLines(std::string_view before, std::string_view after) {
    const std::vector<std::string_view> old = Lines(before), now = Lines(after);
    size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix]) {
        ++suffix;
    }
    const size_t removed = old.size() - prefix - suffix, added = now.size() - prefix - suffix;
    if (removed == 1 && added == 1) {
        // A value replaced in place: the key and its '=' stay.
        const size_t equals = old[prefix].find('=');
        return equals != std::string_view::npos &&
               now[prefix].substr(0, equals + 1) == old[prefix].substr(0, equals + 1);
    }
    if (removed != 0 || added > 3)
        return false;
    size_t written = 0;
    for (size_t i = prefix; i < prefix + added; ++i) {
        std::string_view line = now[i];
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            continue;
        if (line.front() != '[' && line.find('=') == std::string_view::npos)
            return false;
        ++written;
    }
    return written <= 2;
}

// As OneEditOfLines, where a last line without line end may have got one (LF or CR LF) first; a
// byte-order mark at the start is kept and is not part of the first line.
bool OnlyTheWrittenLinesDiffer(std::string before, std::string after) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (std::string_view(before).substr(0, 3) == kByteOrderMark) {
        if (std::string_view(after).substr(0, 3) != kByteOrderMark)
            return false;
        before.erase(0, 3);
        after.erase(0, 3);
    }
    if (OneEditOfLines(before, after))
        return true;
    if (before.empty() || before.back() == '\n')
        return false;
    return OneEditOfLines(before + "\n", after) || OneEditOfLines(before + "\r\n", after);
}

// Names and values: often one of a few that collide (by case, blanks, or the default file's names),
// otherwise bytes from the input.
std::string Word(FuzzedDataProvider& input) {
    static const char* const kWords[] = {"A",     "a",    " A ",         "K-Werte", "Gobale Daten", "",
                                         "\"x\"", "'",    "[x",          "k;",      "#k",           "=",
                                         "x]",    "K7-1", "Fluiddichte", "DN",      "  ",           "\t"};
    if (input.ConsumeBool())
        return kWords[input.ConsumeIntegralInRange<size_t>(0, std::size(kWords) - 1)];
    return input.ConsumeRandomLengthString(120);
}

void CheckNoSibling(bool fileExists) {
    Require(fuzzing::MachineDirectory().Entries().size() == (fileExists ? 1u : 0u));
}

void Read(FuzzedDataProvider& input, const std::optional<std::string>& file) {
    const std::string section = Word(input), key = Word(input);
    const std::optional<std::string> value = platform::GetPrivateProfileString(section, key, kFile);
    if (value) {
        Require(!value->empty() &&
                platform::FirstCharacters(*value, platform::kProfileValueBuffer - 1) == *value);
        Require(value->find('\n') == std::string::npos);
    }
    Require(platform::GetPrivateProfileString(section, key, kFile) == value);
    Require(ReadFile() == file);
}

void Write(FuzzedDataProvider& input, const std::optional<std::string>& file) {
    const std::string section = Word(input), key = Word(input), value = Word(input);
    const bool written = platform::WritePrivateProfileString(section, key, value, kFile);
    const std::optional<std::string> now = ReadFile();
    CheckNoSibling(now.has_value());
    if (!written) {
        Require(now == file);
        return;
    }
    Require(now.has_value());
    Require(platform::GetPrivateProfileString(section, key, kFile) == ReadsBackAs(value));
    Require(OnlyTheWrittenLinesDiffer(file.value_or(""), *now));
}

void WriteBatch(FuzzedDataProvider& input, const std::optional<std::string>& file) {
    std::vector<platform::ProfileEntry> entries(input.ConsumeIntegralInRange(1, 4));
    for (platform::ProfileEntry& entry : entries) entry = {Word(input), Word(input), Word(input)};
    const bool written = platform::WritePrivateProfileStrings(entries, kFile);
    const std::optional<std::string> now = ReadFile();
    CheckNoSibling(now.has_value());
    if (!written) {
        Require(now == file);
        return;
    }
    // The last entry for a section and key is the one that reads back.
    std::map<std::pair<std::string, std::string>, const platform::ProfileEntry*> last;
    for (const platform::ProfileEntry& entry : entries)
        last[{Folded(entry.section), Folded(entry.key)}] = &entry;
    for (const auto& [name, entry] : last) {
        Require(platform::GetPrivateProfileString(entry->section, entry->key, kFile) ==
                ReadsBackAs(entry->value));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    fuzzing::MachineDirectory().RemoveEntries();
    std::optional<std::string> file;
    if (input.ConsumeIntegralInRange(0, 7) != 0) {
        file = input.ConsumeRandomLengthString(4096);
        std::ofstream(fuzzing::MachineDirectory() / kFile, std::ios::binary) << *file;
    }
    for (int operation = 0; operation < 16 && input.remaining_bytes() > 0; ++operation) {
        switch (input.ConsumeIntegralInRange(0, 2)) {
            case 0:
                Read(input, file);
                break;
            case 1:
                Write(input, file);
                break;
            default:
                WriteBatch(input, file);
                break;
        }
        file = ReadFile();
    }
    return 0;
}

// The text of a private-profile (INI) file: sections and keys, how a value is found and how one is set.
//
// Form: a line "[name]" opens a section; a line "key=value" inside a section is a key. Blanks (space,
// tab) around section names, keys and values are insignificant, and one pair of matching quotes
// ("..." or '...') around a value is removed when it is read. Lines whose first non-blank character is
// ';' or '#', lines without '=', "[" lines without "]" and key lines before the first section are no
// keys; they are kept as they are. Lines end in LF or CR LF. Section and key names are compared with
// ASCII case folding; when a section or a key occurs twice, the first one counts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace platform {

// A value is read into a buffer of this many characters, terminator included.
inline constexpr std::size_t kProfileValueBuffer = 80;

struct ProfileEntry {
    std::string section;
    std::string key;
    std::string value;
};

class ProfileText {
  public:
    ProfileText() = default;
    explicit ProfileText(std::string text) : m_text(std::move(text)) {}

    const std::string& Text() const { return m_text; }

    // The value of the key in the section: at most kProfileValueBuffer - 1 characters (a UTF-8
    // character is never split). Absent when the key is missing or its value is empty. The first
    // lookup indexes the whole text; later ones cost one hash lookup.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

    // An entry that reads back as written: no line breaks or NUL, and names the parser accepts.
    static bool IsStorable(const ProfileEntry& entry);

    // Sets the value: an existing key keeps its line and gets the new value in place; otherwise the
    // key line is added after the last key line of its section (after the section line when the
    // section has none); otherwise the section is added at the end. Every other byte stays as it was.
    // Added lines end like most lines of the text (LF on a tie); a last line without line end gets one
    // first. The entry must be storable.
    void Apply(const ProfileEntry& entry);

  private:
    // Folded section, LF, folded key -> the value's offsets in the text.
    using Index = std::unordered_map<std::string, std::pair<std::size_t, std::size_t>>;
    const Index& Indexed() const;

    std::string m_text;
    mutable std::optional<Index> m_index;
};

}  // namespace platform

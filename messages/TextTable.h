// The shape of every text table in this folder: an enum of the texts, ending in Count, and an array that
// gives each entry its text in the order of the enum.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>

namespace messages {

template <typename Id>
struct TextEntry {
    Id id;
    const char* text;
};

template <typename Id>
using TextTable = std::array<TextEntry<Id>, static_cast<std::size_t>(Id::Count)>;

// Every entry in the order of the enum, each with a text: checked when the table is compiled.
template <typename Id>
constexpr bool IsComplete(const TextTable<Id>& table) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].id) != i || table[i].text == nullptr ||
            table[i].text[0] == '\0')
            return false;
    }
    return true;
}

// text with each "%s" replaced by the next argument as it is, whatever bytes it holds.
std::string Filled(std::string_view text, std::initializer_list<std::string_view> arguments);

// A table entry's text (its table's Text(id)) with its "%s" filled in order.
template <typename Id, typename = std::enable_if_t<std::is_enum_v<Id>>>
std::string Filled(Id id, std::initializer_list<std::string_view> arguments) {
    return Filled(std::string_view(Text(id)), arguments);
}

}  // namespace messages

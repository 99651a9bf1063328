// UTF-8 sequences: where a character ends, and text cut to a number of characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Length of the well-formed UTF-8 sequence at the start of text, 0 when it is ill-formed (overlong
// forms, surrogates and code points above U+10FFFF included) or text is empty.
std::size_t Utf8SequenceLength(std::string_view text);

// Whether text is a sequence of well-formed UTF-8 sequences (the empty text is).
bool IsUtf8(std::string_view text);

// The first characters of text, at most count of them; a byte that begins no well-formed sequence
// counts as one character, so a well-formed character is never split.
std::string_view FirstCharacters(std::string_view text, std::size_t count);

// Text in Windows-1252 (the code page of German spreadsheets on Windows) as UTF-8; the five bytes the
// code page leaves undefined become U+FFFD.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace platform

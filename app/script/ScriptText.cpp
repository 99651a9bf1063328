#include "app/script/ScriptText.h"

#include "platform/Number.h"

namespace {

// Length of the well-formed UTF-8 sequence at the start of text, 0 when it is ill-formed
// (overlong forms, surrogates and code points above U+10FFFF included).
size_t SequenceLength(std::string_view text) {
    const auto byte = [&text](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF)
            return 0;
    }
    return length;
}

}  // namespace

std::optional<std::string> FindTextFault(std::string_view line) {
    for (size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == 0)
            return "the line holds a NUL byte";
        if (c < 0x20 || c == 0x7F)
            return platform::Format("the line holds the control character 0x%02X", c);
        const size_t length = SequenceLength(line.substr(i));
        if (length == 0)
            return platform::Format("the line is not valid UTF-8 (byte %zu)", i + 1);
        i += length;
    }
    return std::nullopt;
}

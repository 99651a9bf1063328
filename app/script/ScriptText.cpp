#include "app/script/ScriptText.h"

#include "platform/Number.h"
#include "platform/Utf8.h"

std::optional<std::string> FindTextFault(std::string_view line) {
    for (size_t i = 0; i < line.size();) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c == 0)
            return "the line holds a NUL byte";
        if (c < 0x20 || c == 0x7F)
            return platform::Format("the line holds the control character 0x%02X", c);
        const size_t length = platform::Utf8SequenceLength(line.substr(i));
        if (length == 0)
            return platform::Format("the line is not valid UTF-8 (byte %zu)", i + 1);
        i += length;
    }
    return std::nullopt;
}

#include "messages/TextTable.h"

namespace messages {

std::string Filled(std::string_view text, std::initializer_list<std::string_view> arguments) {
    std::string filled;
    const std::string_view* argument = arguments.begin();
    size_t start = 0;
    for (size_t at = text.find("%s"); at != std::string_view::npos && argument != arguments.end();
         at = text.find("%s", start)) {
        filled.append(text.substr(start, at - start)).append(*argument++);
        start = at + 2;
    }
    return filled.append(text.substr(start));
}

}  // namespace messages

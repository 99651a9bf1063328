// What a script line may hold: UTF-8 text without control characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Why the line is not acceptable script text (nullopt: it is).
std::optional<std::string> FindTextFault(std::string_view line);

// Parses one line of a session script (without its line end). Words are separated by exactly one
// blank; the text argument of type, edit and pick is the rest of the line, verbatim.
#pragma once

#include <optional>
#include <string_view>

#include "app/script/ScriptCommand.h"

// The command of the line; nullopt for a blank line or a comment ('#' in the first column).
// Throws ScriptError when the line is not a valid command.
std::optional<ScriptCommand> ParseScriptLine(std::string_view line);

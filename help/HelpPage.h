// The program's help page: one fixed HTML document, pure ASCII (everything else as entities), every
// line ending in CR LF, declaring the charset windows-1252.
#pragma once

#include <string_view>

namespace help {

std::string_view HelpPageText();

}  // namespace help

// The program's name and version text, as they appear in the document title and the report headline.
#pragma once

namespace record {

inline constexpr const char* kProgramName = "Quellrix";
inline constexpr const char* kVersionText = "V 1.0";

}  // namespace record

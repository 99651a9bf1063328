// Text fitted to a width in the drawing context's selected font.
#pragma once

#include <string>
#include <vector>

#include "platform/DrawingContext.h"

namespace report {

// The text in lines no wider than width, broken at blanks (a word wider than the width stands alone
// on its line); a line feed starts a new line. Always at least one line.
std::vector<std::string> WrappedLines(platform::DrawingContext& dc, const std::string& text, int width);

// The text, or as much of its start as fits into width followed by "…"; cut between characters.
std::string ElidedText(platform::DrawingContext& dc, const std::string& text, int width);

// WrappedLines, with a line that is still too wide (one long word) elided to the width.
std::vector<std::string> FittedLines(platform::DrawingContext& dc, const std::string& text, int width);

}  // namespace report

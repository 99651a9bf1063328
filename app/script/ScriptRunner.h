// Runs a whole session script: each line is parsed and carried out in turn; the first faulty line
// stops the session with "error: line N: ..." on the error stream.
#pragma once

#include <iosfwd>

// Exit status of a session: the script ran to its end, or a line of it was faulty.
inline constexpr int kScriptCompleted = 0;
inline constexpr int kScriptFailed = 1;

// transcript: where the transcript is written as it grows (nullptr: nowhere).
int RunScript(std::istream& script, std::ostream* transcript, std::ostream& errors);

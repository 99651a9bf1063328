// What a command-line program needs of the system at its start: its arguments in UTF-8, standard
// streams that pass bytes unchanged, and files named on the command line opened for reading.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The arguments after the program's name, in UTF-8 (on Windows taken from the wide command line, so
// that any file name arrives whole).
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard input, output and error pass bytes unchanged (on Windows: no CR LF translation).
void UseBinaryStandardStreams();

// A file descriptor for reading the file at path (on Windows a UTF-8 path, in binary mode); -1 with
// errno set when it cannot be opened.
int OpenForReading(const std::string& path);

}  // namespace platform

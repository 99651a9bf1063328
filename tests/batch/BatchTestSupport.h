// Runs a calculation file through the batch tool in the test's process, from and to real files.
#pragma once

#include <fcntl.h>
#include <unistd.h>
#ifndef O_BINARY
#define O_BINARY 0  // POSIX files are always bytes
#endif

#include <sstream>
#include <string>
#include <vector>

#include "batch/CalcRun.h"
#include "batch/Catalogue.h"
#include "support/Files.h"
#include "support/ScratchDirectory.h"

namespace batch_test {

struct CalcOutput {
    int status = -1;
    std::string csv;
    std::string errors;
};

// The exit status; the output in the file outPath.
inline int RunCalcToFile(const std::string& input, const batch::CalcSettings& settings,
                         const std::string& outPath, std::string& errorText) {
    test_support::ScratchDirectory files;
    test_support::WriteBytes(files / "in.csv", input);
    const int in = ::open((files / "in.csv").c_str(), O_RDONLY | O_BINARY);
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_BINARY, 0600);
    std::ostringstream errors;
    const int status = batch::RunCalc(in, out, batch::ReadCatalogue(), settings, errors);
    ::close(in);
    ::close(out);
    errorText = errors.str();
    return status;
}

inline CalcOutput RunCalcOn(const std::string& input, const batch::CalcSettings& settings = {}) {
    test_support::ScratchDirectory files;
    CalcOutput result;
    result.status = RunCalcToFile(input, settings, files / "out.csv", result.errors);
    result.csv = test_support::ReadBytes(files / "out.csv");
    return result;
}

// The lines of a text without their line ends (LF or CR LF).
inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The cells of a line split at the delimiter (for test data without quotes).
inline std::vector<std::string> Cells(const std::string& line, char delimiter) {
    std::vector<std::string> cells;
    size_t start = 0;
    while (true) {
        const size_t end = line.find(delimiter, start);
        cells.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return cells;
        start = end + 1;
    }
}

}  // namespace batch_test

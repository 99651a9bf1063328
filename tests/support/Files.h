// Whole-file reads and writes for tests, byte for byte.
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace test_support {

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Writes the file and gives it the permission bits mode.
inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes, mode_t mode) {
    WriteBytes(path, bytes);
    ::chmod(path.c_str(), mode);
}

// True when something, even a dangling symbolic link, has that name.
inline bool Exists(const std::filesystem::path& path) {
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

}  // namespace test_support

// Whole-file reads and writes for tests, byte for byte.
#pragma once

#include <sys/types.h>

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
    std::filesystem::permissions(path, static_cast<std::filesystem::perms>(mode));
}

// True when something, even a dangling symbolic link, has that name.
inline bool Exists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
}

}  // namespace test_support

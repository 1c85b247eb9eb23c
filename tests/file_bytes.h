// Whole files on the disk, byte for byte, for the native tests.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tavrin::testing {

// Empty when the file cannot be read.
inline std::string readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

} // namespace tavrin::testing

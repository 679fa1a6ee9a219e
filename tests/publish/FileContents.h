#pragma once
// The bytes of a file, for comparing what a server received with what was sent.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace tarvin::publish::test {

inline std::string Contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace tarvin::publish::test

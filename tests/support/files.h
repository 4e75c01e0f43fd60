#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// The whole file, byte for byte; "" when it cannot be read.
std::string readFile(const std::filesystem::path& path);

}  // namespace testsupport

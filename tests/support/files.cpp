#include "tests/support/files.h"

#include <fstream>
#include <sstream>

namespace testsupport {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace testsupport

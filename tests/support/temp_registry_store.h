#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace testsupport {

// A temporary registry store: creates a folder and points VELANTRIX_REGISTRY
// at it; on destruction restores the variable and removes the folder.
class TempRegistryStore {
public:
    TempRegistryStore();
    ~TempRegistryStore();
    TempRegistryStore(const TempRegistryStore&) = delete;
    TempRegistryStore& operator=(const TempRegistryStore&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::optional<std::string> previous_;
};

// Writes the data source record Software\ODBC\ODBC.INI\<dsn> of the machine
// root (Servername, Port, Database) pointing at the test cluster, into the
// store that VELANTRIX_REGISTRY names.
void writeDataSource(const std::string& dsn, const std::string& database);

}  // namespace testsupport

#include "tests/support/temp_registry_store.h"

#include <cstdlib>
#include <stdexcept>

#include "platform/registry/registry.h"
#include "tests/support/test_cluster.h"

namespace fs = std::filesystem;

namespace testsupport {
namespace {
constexpr const char* kStoreVariable = "VELANTRIX_REGISTRY";
}

TempRegistryStore::TempRegistryStore() {
    std::string pattern = (fs::temp_directory_path() / "velantrix-registry-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary registry store");
    path_ = pattern;
    if (const char* previous = std::getenv(kStoreVariable)) previous_ = previous;
    setenv(kStoreVariable, path_.c_str(), 1);
}

TempRegistryStore::~TempRegistryStore() {
    if (previous_)
        setenv(kStoreVariable, previous_->c_str(), 1);
    else
        unsetenv(kStoreVariable);
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void writeDataSource(const std::string& dsn, const std::string& database) {
    const TestCluster& cluster = TestCluster::get();
    reg::Registry registry(reg::RootKey::LocalMachine);
    if (!registry.OpenKey("Software\\ODBC\\ODBC.INI\\" + dsn, true))
        throw std::runtime_error("cannot write the data source record " + dsn);
    registry.WriteString("Servername", cluster.host());
    registry.WriteString("Port", std::to_string(cluster.port()));
    registry.WriteString("Database", database);
    registry.CloseKey();
}

}  // namespace testsupport

#include "platform/db/data_source.h"

#include <string>

#include "platform/db/db_error.h"
#include "platform/registry/registry.h"

namespace db {
namespace {

constexpr std::string_view kDataSourcesKey = "Software\\ODBC\\ODBC.INI\\";

std::string readValue(const reg::Registry& registry, std::string_view name) {
    return registry.ValueExists(name) ? registry.ReadString(name) : std::string();
}

}  // namespace

std::optional<DataSourceRecord> readDataSource(std::string_view dsn) {
    // An empty name or one with a backslash would open some other key
    // (ODBC.INI itself, or a key below a record) as if it were a record.
    if (dsn.empty() || dsn.find('\\') != std::string_view::npos) return std::nullopt;
    try {
        reg::Registry registry(reg::RootKey::LocalMachine);
        if (!registry.OpenKey(std::string(kDataSourcesKey) + std::string(dsn), false)) return std::nullopt;
        DataSourceRecord record;
        record.servername = readValue(registry, "Servername");
        record.port = readValue(registry, "Port");
        record.sslmode = readValue(registry, "SSLmode");
        record.database = readValue(registry, "Database");
        // The driver keeps the user name under either name.
        record.username = readValue(registry, "Username");
        if (record.username.empty()) record.username = readValue(registry, "UID");
        record.password = readValue(registry, "Password");
        registry.CloseKey();
        return record;
    } catch (const reg::RegistryError& e) {
        throw DbError("Cannot read the data source record " + std::string(dsn) + ": " + e.what());
    }
}

}  // namespace db

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace db {

// The settings of one data source record that the access layer honours.
// Absent values stay empty; the caller applies the defaults.
struct DataSourceRecord {
    std::string servername, port, sslmode, database, username, password;
};

// Reads Software\ODBC\ODBC.INI\<dsn> of the machine root of our registry
// store. Nothing when no such record exists; throws DbError when the store
// cannot be read.
std::optional<DataSourceRecord> readDataSource(std::string_view dsn);

}  // namespace db

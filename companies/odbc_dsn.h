#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The system ODBC data source record of the first company of the register,
// written straight into the registry in the layout the driver manager reads.
namespace companies {

// The listing of all data sources and the key holding one record each.
inline constexpr const char* kDataSourcesListKey = "Software\\ODBC\\ODBC.INI\\ODBC Data Sources";
inline constexpr const char* kDataSourcesKey = "Software\\ODBC\\ODBC.INI";
inline constexpr const char* kDriverName = "PostgreSQL ANSI";

// The settings of a record for the database `database`, in the order they
// are written.
std::vector<std::pair<std::string, std::string>> setariSursaDate(std::string_view database);

// Writes the record of the register's first company (its listing value and
// its settings). A registry failure is reported with a message box and goes
// no further: the caller carries on as if the record had been written.
void creeazaOdbcDsn();

}  // namespace companies

#pragma once

#include <string>
#include <string_view>

// The legacy single database of old installations ("velantrix") becoming the
// first company's database. The rename itself is TForm1::redenumesteBazaVeche.
namespace companies {

inline constexpr const char* kLegacyDatabase = "velantrix";
inline constexpr const char* kLegacyDataSource = "velantrixPGSQLDSN";
// The register value (stored, reversed form) of the placeholder company that
// old installations listed for the legacy database.
inline constexpr const char* kZeroEntry = "0000000OR";

// The longest database name the server keeps without cutting it short.
inline constexpr std::size_t kMaxDatabaseName = 63;

// The name the legacy database is given for these company digits: "db"
// followed by them, folded to lower case as the server folds an unquoted
// name. Throws std::invalid_argument for a name the server would not keep
// as it is (too long, or holding a NUL).
std::string numeBazaRedenumita(std::string_view digits);

// Removes the zero entry from the register; a missing entry is no error.
// Reports a register failure with its own message box and raises nothing.
void stergeFirmaZero();

}  // namespace companies

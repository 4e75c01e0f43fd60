#include "companies/odbc_dsn.h"

#include <stdexcept>

#include "companies/company_register.h"
#include "platform/registry/registry.h"
#include "platform/ui/application.h"

namespace companies {

namespace {

// The host name through which the driver reaches a server on this workstation.
constexpr const char* kLocalHost = "localhost";

void openKey(reg::Registry& registry, const std::string& key) {
    // A key that cannot be opened would leave the accessor at the root, where
    // the next change would land in the wrong place.
    if (!registry.OpenKey(key, true)) throw reg::RegistryError("cannot open " + key);
}

}  // namespace

std::vector<std::pair<std::string, std::string>> setariSursaDate(std::string_view database) {
    return {
        {"DRIVER", "C:\\Program Files\\PostgreSQL\\bin\\psqlodbc30a.dll"},
        {"Fetch", "100"},
        {"CommLog", "0"},
        {"Debug", "0"},
        {"Optimizer", "1"},
        {"Ksqo", "1"},
        {"UniqueIndex", "1"},
        {"UseDeclareFetch", "0"},
        {"UnknownSizes", "0"},
        {"TextAsLongVarchar", "1"},
        {"UnknownsAsLongVarchar", "0"},
        {"BoolsAsChar", "1"},
        {"Parse", "0"},
        {"CancelAsFreeStmt", "0"},
        {"MaxVarcharSize", "254"},
        {"MaxLongVarcharSize", "18190"},
        {"ExtraSysTablePrefixes", "dd_;"},
        {"Description", "ACTUALIZAT"},
        {"Database", std::string(database)},
        {"Servername", kLocalHost},
        {"Port", "5432"},
        // The same default administrator as the main connection's parameters.
        {"Username", "demo"},
        {"UID", "demo"},
        {"Password", "lynx"},
        {"ReadOnly", "0"},
        {"ShowOidColumn", "0"},
        {"FakeOidIndex", "0"},
        {"RowVersioning", "0"},
        {"ShowSystemTables", "0"},
        {"Protocol", "7.4-1"},
        {"ConnSettings", ""},
        {"DisallowPremature", "0"},
        {"UpdatableCursors", "1"},
        {"LFConversion", "1"},
        {"TrueIsMinus1", "0"},
        {"BI", "0"},
        {"AB", "0"},
        {"ByteaAsLongVarBinary", "0"},
        {"UseServerSidePrepare", "0"},
        {"LowerCaseIdentifier", "0"},
        {"SSLmode", "disable"},
        {"XaOpt", "1"},
    };
}

void creeazaOdbcDsn() {
    // The register's own failures are reported by primaFirma, which then
    // gives "0": the record is written for db0 all the same.
    const std::string database = numeBaza(primaFirma());
    const std::string dsn = database + "PGSQLDSN";
    try {
        reg::Registry registry(reg::RootKey::LocalMachine);

        openKey(registry, kDataSourcesListKey);
        // Old installations kept a key of the legacy data source here; only
        // that key goes, the legacy record itself stays.
        registry.DeleteKey("velantrixPGSQLDSN");
        registry.WriteString(dsn, kDriverName);
        registry.CloseKey();

        openKey(registry, kDataSourcesKey);
        if (!registry.CreateKey(dsn)) throw reg::RegistryError("cannot create the data source key " + dsn);
        registry.CloseKey();

        // Values of the same name are replaced; any others the record holds stay.
        openKey(registry, std::string(kDataSourcesKey) + "\\" + dsn);
        for (const auto& [name, value] : setariSursaDate(database)) registry.WriteString(name, value);
        registry.CloseKey();
    } catch (const std::exception&) {
        ui::application().MessageBox("A aparut o eroare la scrierea in CREAREA ODBC DSN corespunzator.", "Mesaj eroare",
                                     ui::MB_OK);
    }
}

}  // namespace companies

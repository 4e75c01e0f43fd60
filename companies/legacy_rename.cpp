// The one-time rename of the legacy single database to the first company's
// database, with the register and data source changes that go with it.
#include "companies/legacy_rename.h"

#include <memory>
#include <stdexcept>

#include <libpq-fe.h>

#include "app/form1.h"
#include "companies/company_register.h"
#include "companies/odbc_dsn.h"
#include "platform/db/query.h"
#include "platform/registry/registry.h"
#include "platform/ui/application.h"

namespace companies {

std::string numeBazaRedenumita(std::string_view digits) {
    std::string name = "db";
    for (char c : digits) name += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    // The server would silently cut a longer name, or stop at a NUL: the
    // database would get a name that no company entry leads to.
    if (name.size() > kMaxDatabaseName)
        throw std::invalid_argument("the database name " + name + " is longer than " +
                                    std::to_string(kMaxDatabaseName) + " bytes");
    if (name.find('\0') != std::string::npos) throw std::invalid_argument("the database name holds a NUL character");
    return name;
}

void stergeFirmaZero() {
    reg::Registry registry(reg::RootKey::ClassesRoot);
    if (!registry.OpenKey(kRegisterKey, true)) {
        arataEroareE1();
        return;
    }
    try {
        registry.DeleteValue(kZeroEntry);
        registry.CloseKey();
    } catch (const std::exception&) {
        arataEroareE2();
    }
}

}  // namespace companies

void TForm1::redenumesteBazaVeche() {
    // A database cannot be renamed while a session is connected to it: the
    // rename runs from the maintenance database, over the legacy data source
    // (never its "_IP" variant).
    bazaDB.Close();
    setParamLine(0, "DATABASE NAME=postgres");
    bazaDB.Params.Set(1, std::string("ODBC DSN=") + companies::kLegacyDataSource);

    db::Query query(this);
    query.SetDatabaseName(bazaDB.DatabaseName());

    // The company digits come from the register, which anyone can write: the
    // new name goes to the server as a quoted identifier, never as SQL text.
    const std::string newName = companies::numeBazaRedenumita(companies::cifreFirma(companies::primaFirma()));
    bazaDB.Open();
    std::unique_ptr<char, decltype(&PQfreemem)> quoted(
        PQescapeIdentifier(bazaDB.handle(), newName.data(), newName.size()), &PQfreemem);
    if (!quoted) throw db::DbError(PQerrorMessage(bazaDB.handle()));
    query.SetSQL(std::string("ALTER DATABASE ") + companies::kLegacyDatabase + " RENAME TO " + quoted.get());
    // Outside a transaction the statement commits by itself.
    query.ExecSQL();

    companies::stergeFirmaZero();
    // Reads the register again: after the zero entry went, another company
    // may come first.
    companies::creeazaOdbcDsn();
}

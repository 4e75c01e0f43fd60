#include <gtest/gtest.h>

#include "platform/registry/registry.h"
#include "tests/engine/engine_fixture.h"

namespace {

const std::string kFailure =
    "Utilizator sau parola incorecte!\r\nConectarea la baza de date a firmei RO7 esuata!\r\n\r\nReincercati "
    "introducand userul si parola administratorului aplicatiei.";

using CompanyConnectionTest = EngineTest;

TEST_F(CompanyConnectionTest, DefaultCredentialsOpenTheCompany) {
    createCompany("RO7");
    EXPECT_TRUE(open("RO7"));
    EXPECT_TRUE(form.bazaDB.Connected());
    EXPECT_TRUE(form.executateMM.Lines.lines().empty());
    EXPECT_FALSE(form.utilizatorEB.Visible());
}

TEST_F(CompanyConnectionTest, AWrongPasswordIsReportedAndShowsTheCredentialFields) {
    createCompany("RO7");
    form.utilizatorEB.SetText(" demo ");
    form.parolaNouaEB.SetText("gresita");
    EXPECT_FALSE(open("RO7"));
    EXPECT_EQ(form.executateMM.Lines.lines(), (std::vector<std::string>{kFailure}));
    EXPECT_EQ(form.bazaDB.Params[1], "ODBC DSN=db7PGSQLDSN_IP");
    EXPECT_EQ(form.bazaDB.Params[15], "USER NAME=demo");
    EXPECT_EQ(form.bazaDB.Params[16], "PASSWORD=gresita");
    for (ui::Control* c : {static_cast<ui::Control*>(&form.utilizatorEB), static_cast<ui::Control*>(&form.parolaNouaEB),
                           static_cast<ui::Control*>(&form.bazaCB), static_cast<ui::Control*>(&form.Panel2)})
        EXPECT_TRUE(c->Visible() && c->Enabled()) << c->Name();

    // Fields holding only blanks leave the last credentials in force.
    form.utilizatorEB.SetText("  ");
    form.parolaNouaEB.SetText("\t");
    form.executateMM.Lines.Clear();
    EXPECT_FALSE(open("RO7"));
    EXPECT_EQ(form.bazaDB.Params[16], "PASSWORD=gresita");

    form.utilizatorEB.SetText("demo");
    form.parolaNouaEB.SetText("lynx");
    EXPECT_TRUE(open("RO7"));
}

TEST_F(CompanyConnectionTest, APasswordWithoutAUserIsUsedAsTyped) {
    createCompany("RO7");
    form.parolaNouaEB.SetText("lynx");
    EXPECT_FALSE(open("RO7"));
    EXPECT_EQ(form.bazaDB.Params[15], "USER NAME=");
    EXPECT_EQ(form.bazaDB.Params[16], "PASSWORD=lynx");
}

TEST_F(CompanyConnectionTest, TheAlternativeDataSourceIsTriedSecond) {
    createCompany("RO7");
    // Only the "_IP" data source has a record.
    {
        reg::Registry registry(reg::RootKey::LocalMachine);
        ASSERT_TRUE(registry.OpenKey("Software\\ODBC\\ODBC.INI", false));
        ASSERT_TRUE(registry.DeleteKey("db7PGSQLDSN"));
    }
    testsupport::writeDataSource("db7PGSQLDSN_IP", "db7");
    EXPECT_TRUE(open("RO7"));
    EXPECT_EQ(form.bazaDB.Params[1], "ODBC DSN=db7PGSQLDSN_IP");
    EXPECT_TRUE(form.executateMM.Lines.lines().empty());
}

TEST_F(CompanyConnectionTest, AMissingDatabaseOrDataSourceOrServerFailsWithTheMessage) {
    testsupport::writeDataSource("db7PGSQLDSN", "db7");  // no such database
    EXPECT_FALSE(open("RO7"));
    EXPECT_EQ(form.executateMM.Lines.lines(), (std::vector<std::string>{kFailure}));

    form.executateMM.Lines.Clear();
    EXPECT_FALSE(open("RO8"));  // no data source record at all
    EXPECT_EQ(form.executateMM.Lines.Count(), 1);

    createCompany("RO7");
    cluster.stop();
    form.executateMM.Lines.Clear();
    const bool opened = open("RO7");
    cluster.start();
    EXPECT_FALSE(opened);
    EXPECT_EQ(form.executateMM.Lines.lines(), (std::vector<std::string>{kFailure}));
}

TEST_F(CompanyConnectionTest, AMissingLegacyDatabaseIsSilent) {
    form.bazaDB.Params.Delete(0);
    form.bazaDB.Params.Insert(0, "DATABASE NAME=velantrix");
    form.bazaDB.Params.Set(1, "ODBC DSN=velantrixPGSQLDSN");
    EXPECT_FALSE(form.conecteazaFirma("velantrix"));
    EXPECT_TRUE(form.executateMM.Lines.lines().empty());
    EXPECT_FALSE(form.utilizatorEB.Visible());
}

}  // namespace

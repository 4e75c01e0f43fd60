#include <gtest/gtest.h>

#include "tests/app/main_window_fixture.h"

namespace {

const std::string kOpening =
    "Update-ul poate dura de la cateva secunde la cateva minute, nu inchideti aceasta fereastra pana la finalizarea "
    "operatiunii pentru toate firmele din lista.\r\n\r\n";
const std::string kAllDone = "\r\nUpdate-ul s-a efectuat cu SUCCES pentru toate firmele";
const std::string kClosing =
    "\r\nIn 10 secunde se va inchide automat aeasta fereastra! Puteti utiliza aplicatia Velantrix.";

using UpdateRunTest = MainWindowTest;

TEST_F(UpdateRunTest, EmptyListCountsAsFullySuccessful) {
    form.Shown();
    form.Activated();
    EXPECT_EQ(report(), (std::vector<std::string>{kOpening, kAllDone, kClosing}));
    EXPECT_TRUE(form.updateFinalizat);
    EXPECT_TRUE(form.succesToateFirmele);
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_FALSE(form.Panel1.Visible());
}

TEST_F(UpdateRunTest, VisitsCompaniesInSortedOrderWithTheirDatabaseAndDataSource) {
    writeRegister({"RO300", "ro200", "RO100"});
    form.Shown();
    form.Activated();

    ASSERT_EQ(form.attempts.size(), 4u);
    EXPECT_EQ(form.attempts[0].name, "velantrix");
    EXPECT_EQ(form.attempts[0].line0, "DATABASE NAME=velantrix");
    EXPECT_EQ(form.attempts[0].line1, "ODBC DSN=velantrixPGSQLDSN");
    EXPECT_EQ(form.attempts[1].name, "RO100");
    EXPECT_EQ(form.attempts[2].name, "ro200");
    EXPECT_EQ(form.attempts[2].line0, "DATABASE NAME=db200");
    EXPECT_EQ(form.attempts[2].line1, "ODBC DSN=db200PGSQLDSN");
    EXPECT_EQ(form.attempts[3].name, "RO300");
    EXPECT_EQ(form.updated, (std::vector<std::string>{"RO100", "ro200", "RO300"}));
    // Lines other than 0 and 1 stay as they were, the credentials included.
    EXPECT_EQ(form.bazaDB.Params.Count(), 17);
    EXPECT_EQ(form.bazaDB.Params[15], "USER NAME=demo");
    EXPECT_EQ(form.bazaDB.Params[16], "PASSWORD=lynx");

    EXPECT_EQ(report(), (std::vector<std::string>{kOpening, "\r\nFac update la firma RO100...",
                                                  "UPDATE finalizat cu SUCCES pentru RO100",
                                                  "\r\nFac update la firma ro200...",
                                                  "UPDATE finalizat cu SUCCES pentru ro200",
                                                  "\r\nFac update la firma RO300...",
                                                  "UPDATE finalizat cu SUCCES pentru RO300", kAllDone, kClosing}));
    const auto& status = windows.status.statusUpdateMM.Lines.lines();
    ASSERT_EQ(status.size(), 6u);
    EXPECT_EQ(status[0],
              "Fac update la firma RO100...\r\nAceasta operatiune poate dura de la cateva secunde la cateva minute, va "
              "rog nu inchideti aceasta fereastra pana la finalizarea operatiunii.");
    EXPECT_EQ(status[1], "UPDATE finalizat cu SUCCES pentru RO100");
}

TEST_F(UpdateRunTest, ASecondCompanyFailingShowsThePanelAndListsIt) {
    writeRegister({"RO1", "RO2", "RO3"});
    form.failing = {"RO2"};
    form.Shown();
    form.Activated();

    const auto lines = report();
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
              (std::vector<std::string>{"Update ERROR !", "Update-ul NU s-a efectuat pentru firmele urmatoare :",
                                        "\r\nRO2"}));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "NU S-A FACUT UPDATE pentru RO2"), lines.end());
    EXPECT_EQ(form.updated, (std::vector<std::string>{"RO1", "RO3"}));
    EXPECT_TRUE(form.updateFinalizat);
    EXPECT_FALSE(form.succesToateFirmele);
    EXPECT_TRUE(form.Panel1.Visible());
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_TRUE(form.utilizatorEB.Showing());
    EXPECT_TRUE(form.bazaCB.Showing());

    // The update button runs everything again, the successful ones included.
    form.failing.clear();
    form.actualizeazaVersiuneaBB.Click();
    EXPECT_EQ(report().front(), kOpening);
    EXPECT_EQ(report().back(), kClosing);
    EXPECT_EQ(form.updated.size(), 5u);
    EXPECT_FALSE(form.Panel1.Visible());
    EXPECT_TRUE(form.Timer1.Enabled());
}

TEST_F(UpdateRunTest, LegacyRenameRefillsTheListBeforeTheCompanies) {
    writeRegister({"RO0000000", "RO5"});
    form.legacyPresent = true;
    form.onRename = [] {
        reg::Registry registry(reg::RootKey::ClassesRoot);
        ASSERT_TRUE(registry.OpenKey(companies::kRegisterKey, true));
        registry.DeleteValue("0000000OR");
    };
    form.Shown();
    EXPECT_EQ(form.bazaCB.Count(), 2);
    form.Activated();
    EXPECT_EQ(form.updated, (std::vector<std::string>{"RO5"}));
}

TEST_F(UpdateRunTest, FailedLegacyRenameEndsTheRunAndKeepsTheFlags) {
    writeRegister({"RO5"});
    form.legacyPresent = true;
    form.onRename = [] { throw std::runtime_error("database \"db5\" already exists"); };
    form.Shown();
    form.Activated();
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, "A aparut o eroare la redenumirea bazei de date Velantrix!\r\nActualizarea NU S-A EFECTUAT! ");
    EXPECT_EQ(app.boxes[0].caption, "Eroare");
    EXPECT_EQ(app.boxes[0].flags, 16);
    EXPECT_TRUE(form.updated.empty());
    EXPECT_TRUE(report().empty());
    EXPECT_FALSE(form.updateFinalizat);
    EXPECT_FALSE(form.succesToateFirmele);
}

TEST_F(UpdateRunTest, AnEngineErrorEndsTheRunAndTheNextActivationStartsAgain) {
    writeRegister({"RO1", "RO2"});
    form.onUpdate = [](const std::string& name) {
        if (name == "RO1") throw std::runtime_error("relation \"logupdate\" does not exist");
    };
    form.Shown();
    ui::dispatch([&] { form.Activated(); });
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].text, "relation \"logupdate\" does not exist");
    EXPECT_FALSE(form.updateFinalizat);
    EXPECT_EQ(report().back(), "\r\nFac update la firma RO1...");

    form.onUpdate = nullptr;
    form.Activated();
    EXPECT_TRUE(form.updateFinalizat);
    EXPECT_EQ(report().back(), kClosing);
    // Once a run has ended normally, activations start nothing.
    const auto visits = form.updated.size();
    form.Activated();
    EXPECT_EQ(form.updated.size(), visits);
}

TEST_F(UpdateRunTest, AnActivationDuringARunDoesNotStartASecondRun) {
    writeRegister({"RO1", "RO2"});
    form.onUpdate = [&](const std::string&) { form.Activated(); };
    form.Shown();
    form.Activated();
    EXPECT_EQ(form.updated, (std::vector<std::string>{"RO1", "RO2"}));
    EXPECT_FALSE(form.runInProgress());
}

TEST_F(UpdateRunTest, TwoEntriesWithTheSameDigitsUseTheSameDatabase) {
    writeRegister({"RO123", "123"});
    form.Shown();
    form.Activated();
    ASSERT_EQ(form.attempts.size(), 3u);
    EXPECT_EQ(form.attempts[1].name, "123");
    EXPECT_EQ(form.attempts[2].name, "RO123");
    EXPECT_EQ(form.attempts[1].line0, form.attempts[2].line0);
}

}  // namespace

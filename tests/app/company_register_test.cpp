#include <gtest/gtest.h>

#include <fstream>

#include "tests/app/main_window_fixture.h"

namespace {

TEST(CompanyDigits, FollowTheNamingRule) {
    const struct {
        std::string entry, digits;
    } cases[] = {
        {"RO123456", "123456"}, {" ro 0012345 ", "0012345"}, {"db0001234", "0001234"}, {"RO12a", "12A"},
        {"_X1", "_X1"},         {"ABC", ""},                 {"   ", "0"},              {"", "0"},
        {"\t\r\n", "0"},        {"FIRMA", ""},               {" RO5 ", "5"},           {"RO1; DROP DATABASE db2", "1; DROP DATABASE DB2"},
    };
    for (const auto& c : cases) EXPECT_EQ(companies::cifreFirma(c.entry), c.digits) << '"' << c.entry << '"';
    EXPECT_EQ(companies::numeBaza("RO123456"), "db123456");
    EXPECT_EQ(companies::numeSursaDate(" RO5 "), "db5PGSQLDSN");
    EXPECT_EQ(companies::inverseaza("654321OR"), "RO123456");
    EXPECT_EQ(companies::inverseaza(""), "");
    EXPECT_EQ(companies::inverseaza("9ȘOR"), "ROȘ9");
    EXPECT_EQ(companies::inverseaza(companies::inverseaza("Întreprindere ăâîșț 7")), "Întreprindere ăâîșț 7");
}

using CompanyRegisterTest = MainWindowTest;

TEST_F(CompanyRegisterTest, ListStartsWithThreePlaceholders) {
    EXPECT_EQ(form.bazaCB.Items(), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(CompanyRegisterTest, FillingSortsWithoutRegardToCaseKeepsDuplicatesAndSkipsBlankNames) {
    writeRegister({"RO123456", "RO111", " ", "ro5", "RO4", " RO5 "});
    {
        // The unnamed default value is skipped as well.
        reg::Registry registry(reg::RootKey::ClassesRoot);
        ASSERT_TRUE(registry.OpenKey(companies::kRegisterKey, true));
        registry.WriteString("", "default");
    }
    companies::incarcaListaFirme(form.bazaCB);
    EXPECT_EQ(form.bazaCB.Items(), (std::vector<std::string>{" RO5 ", "RO111", "RO123456", "RO4", "ro5"}));
    EXPECT_EQ(form.bazaCB.ItemIndex(), 0);
    EXPECT_TRUE(app.boxes.empty());
    // The list keeps duplicates, each after its equals.
    form.bazaCB.Add("ro4");
    EXPECT_EQ(form.bazaCB.Items(), (std::vector<std::string>{" RO5 ", "RO111", "RO123456", "RO4", "ro4", "ro5"}));
}

TEST_F(CompanyRegisterTest, EntriesWithQuotesSemicolonsAndNonAsciiCharactersArriveIntact) {
    const std::vector<std::string> entries = {"RO\"12\"", "RO1; DROP DATABASE db2", "Firma Ștefan 44", "RO\\5=x"};
    writeRegister(entries);
    companies::incarcaListaFirme(form.bazaCB);
    std::vector<std::string> sorted = entries;
    std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return std::tolower(x) < std::tolower(y); });
    });
    EXPECT_EQ(form.bazaCB.Items(), sorted);
    EXPECT_EQ(companies::cifreFirma("Firma Ștefan 44"), "44");
    EXPECT_TRUE(app.boxes.empty());
}

TEST_F(CompanyRegisterTest, EmptyRegisterGivesAnEmptyListAndPrimaFirmaE2) {
    companies::incarcaListaFirme(form.bazaCB);
    EXPECT_EQ(form.bazaCB.Count(), 0);
    EXPECT_EQ(form.bazaCB.ItemIndex(), -1);
    EXPECT_TRUE(app.boxes.empty());

    EXPECT_EQ(companies::primaFirma(), "0");
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].caption, "Eroare 2");
    EXPECT_EQ(app.boxes[0].text, "A aparut o eroare la citirea bazei de date.");
    EXPECT_EQ(app.boxes[0].flags, 16);
}

TEST_F(CompanyRegisterTest, PrimaFirmaIsTheFirstValueWritten) {
    writeRegister({"RO123456", "RO111"});
    EXPECT_EQ(companies::primaFirma(), "RO123456");
    EXPECT_TRUE(app.boxes.empty());
}

TEST_F(CompanyRegisterTest, AnUnusableStoreGivesE1AndLeavesTheListAsItWas) {
    // A store folder below a regular file can be neither created nor written.
    const auto blocker = store.path() / "not-a-folder";
    std::ofstream(blocker) << "x";
    setenv("VELANTRIX_REGISTRY", (blocker / "registry").c_str(), 1);
    form.bazaCB.SetItemIndex(1);

    companies::incarcaListaFirme(form.bazaCB);
    EXPECT_EQ(form.bazaCB.Items(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(form.bazaCB.ItemIndex(), 1);
    EXPECT_EQ(companies::primaFirma(), "0");
    ASSERT_EQ(app.boxes.size(), 2u);
    for (const auto& box : app.boxes) {
        EXPECT_EQ(box.caption, "Eroare 1");
        EXPECT_EQ(box.text, "A aparut o eroare la citirea bazei de date! ");
    }
}

TEST_F(CompanyRegisterTest, AGarbledRegisterFileIsReportedAndKept) {
    writeRegister({"RO1"});
    const auto file = store.path() / "HKEY_CLASSES_ROOT.reg";
    std::ofstream(file, std::ios::app) << "[HKEY_CLASSES_ROOT\\broken\n\"unterminated=\n";
    std::ifstream in(file);
    const std::string before((std::istreambuf_iterator<char>(in)), {});

    companies::incarcaListaFirme(form.bazaCB);
    ASSERT_EQ(app.boxes.size(), 1u);
    EXPECT_EQ(app.boxes[0].caption, "Eroare 1");
    std::ifstream again(file);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), {}), before);
}

TEST_F(CompanyRegisterTest, PickingAnEntryClosesTheConnectionAndPointsItAtTheCompany) {
    writeRegister({"RO00042", "RO7"});
    companies::incarcaListaFirme(form.bazaCB);
    const auto before = form.bazaDB.Params.lines();
    form.bazaCB.Pick(0);
    EXPECT_EQ(form.bazaCurenta, "db00042");
    EXPECT_FALSE(form.bazaDB.Connected());
    const auto& after = form.bazaDB.Params.lines();
    EXPECT_EQ(after[0], "DATABASE NAME=db00042");
    EXPECT_EQ(after[1], "ODBC DSN=db00042PGSQLDSN");
    EXPECT_EQ(std::vector<std::string>(after.begin() + 2, after.end()),
              std::vector<std::string>(before.begin() + 2, before.end()));
}

TEST_F(CompanyRegisterTest, SelectingTheCurrentDatabaseSelectsTheFirstEntryWithItsDigits) {
    writeRegister({"FIRMA", "RO123", "123", "RO9"});
    companies::incarcaListaFirme(form.bazaCB);  // 123, FIRMA, RO123, RO9
    form.bazaCurenta = "db123";
    form.selecteazaBazaCurenta();
    EXPECT_EQ(form.bazaCB.Text(), "123");
    form.bazaCurenta = "db";
    form.selecteazaBazaCurenta();
    EXPECT_EQ(form.bazaCB.Text(), "FIRMA");
    form.bazaCurenta = "db0000000";
    form.selecteazaBazaCurenta();
    EXPECT_EQ(form.bazaCB.Text(), "FIRMA");  // no match: selection unchanged
    EXPECT_EQ(form.bazaDB.Params[0], "DATABASE NAME=db0000000");
    EXPECT_EQ(form.bazaDB.Params[1], "ODBC DSN=db0000000PGSQLDSN");
}

}  // namespace

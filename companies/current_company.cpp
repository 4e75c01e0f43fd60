// The main window's current company: picking one in its list points the
// main connection at that company's database.
#include "app/form1.h"
#include "companies/company_register.h"

void TForm1::selecteazaBazaCurenta() {
    setParamLine(0, "DATABASE NAME=" + bazaCurenta);
    bazaDB.Params.Set(1, "ODBC DSN=" + bazaCurenta + "PGSQLDSN");
    const std::string digits = companies::cifreFirma(bazaCurenta);
    for (int i = 0; i < bazaCB.Count(); ++i) {
        if (companies::cifreFirma(bazaCB.Item(i)) == digits) {
            bazaCB.SetItemIndex(i);
            return;
        }
    }
}

void TForm1::bazaCBChange() {
    bazaDB.Close();
    bazaCurenta = "db" + companies::cifreFirma(bazaCB.Text());
    selecteazaBazaCurenta();
}

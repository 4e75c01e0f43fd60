// Opening a company database with the administrator credentials: the typed
// ones when present, else the parameter list's, with one retry over the
// alternative data source.
#include "app/form1.h"
#include "app/windows.h"
#include "companies/company_register.h"
#include "platform/ui/application.h"

bool TForm1::conecteazaFirma(const std::string& name) {
    for (int attempt = 1;; ++attempt) {
        try {
            const std::string user = companies::trim(utilizatorEB.Text());
            const std::string password = companies::trim(parolaNouaEB.Text());
            if (!user.empty() || !password.empty()) {
                bazaDB.Close();
                bazaDB.Params.Delete(bazaDB.Params.IndexOfName("USER NAME"));
                bazaDB.Params.Delete(bazaDB.Params.IndexOfName("PASSWORD"));
                bazaDB.Params.Add("USER NAME=" + user);
                bazaDB.Params.Add("PASSWORD=" + password);
            }
            bazaDB.Open();
            return true;
        } catch (const std::exception&) {
            if (attempt == 1) {
                bazaDB.Params.Set(1, bazaDB.Params[1] + "_IP");
                continue;
            }
            if (bazaDB.Params[0].find("velantrix") == std::string::npos) {
                executateMM.Lines.Add("Utilizator sau parola incorecte!\r\nConectarea la baza de date a firmei " + name +
                                      " esuata!\r\n\r\nReincercati introducand userul si parola administratorului "
                                      "aplicatiei.");
                arataDateAdministrator();
            }
            return false;
        }
    }
}

void TForm1::arataDateAdministrator() {
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label2, &utilizatorEB, &Label3, &parolaNouaEB, &backupBB,
                                                              &bazaCB, &Label5})
        c->SetEnabled(true);
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label2, &utilizatorEB, &Label3, &parolaNouaEB, &Panel2,
                                                              &bazaCB, &Label5})
        c->SetVisible(true);
}

void TForm1::backupBBClick() {
    if (!companies::trim(utilizatorEB.Text()).empty()) {
        backupDatabaseFM->ShowModal();
        return;
    }
    ui::application().MessageBox("Nu ati preluat utilizatorul", "Atentionare", ui::MB_ICONWARNING);
    utilizatorEB.SetFocus();
}

void TForm1::utilizatorEBKeyUp(int key, int) {
    if (key == 13) parolaNouaEB.SetFocus();
}

void TForm1::parolaNouaEBKeyUp(int key, int) {
    if (key == 13) backupBB.SetFocus();
}

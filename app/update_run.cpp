// One update run: the legacy database first, then every company of the list
// in its sorted order, each opened and handed to the engine.
#include "app/form1.h"
#include "app/windows.h"
#include "companies/company_register.h"
#include "platform/ui/application.h"

void TForm1::actualizeazaVersiunea() {
    // The legacy single database of old installations.
    bazaDB.Close();
    setParamLine(0, "DATABASE NAME=velantrix");
    bazaDB.Params.Set(1, "ODBC DSN=velantrixPGSQLDSN");
    if (conecteazaFirma("velantrix")) {
        try {
            redenumesteBazaVeche();
        } catch (const std::exception&) {
            ui::application().MessageBox(
                "A aparut o eroare la redenumirea bazei de date Velantrix!\r\nActualizarea NU S-A EFECTUAT! ", "Eroare",
                ui::MB_ICONERROR);
            return;
        }
        companies::incarcaListaFirme(bazaCB);
    }

    updateFinalizat = false;
    succesToateFirmele = true;
    ui::Memo& status = statusUpdateFM->statusUpdateMM;
    status.Lines.Clear();
    executateMM.Lines.Clear();
    executateMM.Lines.Add(
        "Update-ul poate dura de la cateva secunde la cateva minute, nu inchideti aceasta fereastra pana la "
        "finalizarea operatiunii pentru toate firmele din lista.\r\n\r\n");
    std::string firmeEsuate;

    progresPanel.SetVisible(true);
    for (int i = 0; i < bazaCB.Count(); ++i) {
        const std::string entry = bazaCB.Item(i);
        progresLL.SetCaption("Firma " + std::to_string(i + 1) + " din " + std::to_string(bazaCB.Count()) + ": " +
                             entry);
        progresPB.SetPosition(0);

        bazaDB.Close();
        bazaDB.Params.Delete(0);
        const std::string db = "db" + companies::cifreFirma(entry);
        bazaDB.Params.Insert(0, "DATABASE NAME=" + db);
        bazaDB.Params.Set(1, "ODBC DSN=" + db + "PGSQLDSN");

        if (conecteazaFirma(entry)) {
            status.Lines.Add("Fac update la firma " + entry +
                             "...\r\nAceasta operatiune poate dura de la cateva secunde la cateva minute, va rog nu "
                             "inchideti aceasta fereastra pana la finalizarea operatiunii.");
            executateMM.Lines.Add("\r\nFac update la firma " + entry + "...");
            actualizeazaBaza(entry);
            status.Lines.Add("UPDATE finalizat cu SUCCES pentru " + entry);
            executateMM.Lines.Add("UPDATE finalizat cu SUCCES pentru " + entry);
        } else {
            status.Lines.Add("NU S-A FACUT UPDATE pentru " + entry);
            executateMM.Lines.Add("NU S-A FACUT UPDATE pentru " + entry);
            succesToateFirmele = false;
            firmeEsuate += "\r\n" + entry;
        }
    }

    Panel1.SetVisible(!succesToateFirmele);
    if (succesToateFirmele) {
        Timer1.SetEnabled(true);
        executateMM.Lines.Add("\r\nUpdate-ul s-a efectuat cu SUCCES pentru toate firmele");
        executateMM.Lines.Add("\r\nIn " + std::to_string(Timer1.interval / 1000) +
                              " secunde se va inchide automat aeasta fereastra! Puteti utiliza aplicatia Velantrix.");
    } else {
        executateMM.Lines.Add("Update ERROR !");
        executateMM.Lines.Add("Update-ul NU s-a efectuat pentru firmele urmatoare :");
        executateMM.Lines.Add(firmeEsuate);
    }
    updateFinalizat = true;
}

#pragma once

#include <string>

#include "platform/db/database.h"
#include "platform/ui/components.h"
#include "platform/ui/form.h"

// The main window: the run report, the credential panel, the company list,
// and the main connection through which every database access goes.
class TForm1 : public ui::Form {
public:
    TForm1();
    ~TForm1() override;

    // Components, in declaration order.
    db::Database bazaDB;
    ui::Memo mesajeMM{"mesajeMM", this};
    ui::Label eroriLL{"eroriLL", this, "Modificari deja existene"};
    ui::Label Label1{"Label1", this, "Modificari executate"};
    ui::Memo executateMM{"executateMM", this};
    ui::Panel Panel1{"Panel1", this};
    ui::Label Label2{"Label2", &Panel1, "Utilizator administrator"};
    ui::Edit utilizatorEB{"utilizatorEB", &Panel1};
    ui::Label Label3{"Label3", &Panel1, "Parola administrator"};
    ui::Edit parolaNouaEB{"parolaNouaEB", &Panel1};
    ui::Panel Panel2{"Panel2", &Panel1};
    ui::Label Label5{"Label5", &Panel1, "Lista Firme"};
    ui::ComboBox bazaCB{"bazaCB", &Panel1};
    ui::Button backupBB{"backupBB", &Panel1, "Backup baza de date firma (recomandat)"};
    ui::Panel panelJos{"panelJos", this};
    ui::Label versiuneUpdateLL{"versiuneUpdateLL", &panelJos, kVersionLabel};
    ui::Button iesireBB{"iesireBB", &panelJos, "IESIRE"};
    ui::Button actualizeazaVersiuneaBB{"actualizeazaVersiuneaBB", &Panel1, "Efectueaza update la baza de date"};
    ui::Label Label6{"Label6", &Panel1,
                     "ATENTIE! - update-ul la baza de date nu s-a facut pentru toate firmele din lista"};
    ui::Timer Timer1;
    // Progress of a run: the current company's statements and the company count.
    ui::Panel progresPanel{"progresPanel", this};
    ui::Label progresLL{"progresLL", &progresPanel, ""};
    ui::ProgressBar progresPB{"progresPB", &progresPanel};

    // Members besides the components.
    bool updateFinalizat = false;
    bool succesToateFirmele = false;
    std::string bazaCurenta;

    static constexpr const char* kVersionLabel =
        "Update la versiunea Velantrix - E-Factura E-Ttransport 2024.10.19.01";
    static constexpr const char* kConnectionName = "baza";

    // Event handlers.
    void FormShow();
    void FormActivate();
    void FormClose();
    void actualizeazaVersiuneaBBClick();
    void iesireBBClick();
    void Timer1Timer();
    void backupBBClick();
    void utilizatorEBKeyUp(int key, int shift);
    void parolaNouaEBKeyUp(int key, int shift);
    void bazaCBChange();

    // The update run over all companies.
    void actualizeazaVersiunea();
    bool runInProgress() const { return runInProgress_; }

    // Company connection with the administrator credentials.
    virtual bool conecteazaFirma(const std::string& name);
    void arataDateAdministrator();
    // Brings the open company database to this release.
    virtual void actualizeazaBaza(const std::string& name);
    // Renames the legacy single database to the first company's database.
    virtual void redenumesteBazaVeche();
    // Points the main connection and the company list at `bazaCurenta`.
    void selecteazaBazaCurenta();
    // Has the system register the control file; runs whenever the window closes.
    void inregistreazaOcx();

    // The engine's progress between statements: rows done of rows in all.
    void raporteazaProgres(int done, int total);

protected:
    // Replaces parameter line `index` of the main connection.
    void setParamLine(int index, const std::string& line);

private:
    bool runInProgress_ = false;
};

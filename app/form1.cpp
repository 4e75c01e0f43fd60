#include "app/form1.h"

#include "app/windows.h"
#include "companies/company_register.h"
#include "platform/ui/application.h"

namespace {

// The initial parameter list of the main connection; lines 0 and 1 are
// rewritten by position for every company.
db::ParamList initialParameters() {
    return {"DATABASE NAME=postgres",
            "ODBC DSN=db0000000PGSQLDSN",
            "OPEN MODE=READ/WRITE",
            "SCHEMA CACHE SIZE=8",
            "SQLQRYMODE=",
            "LANGDRIVER=",
            "SQLPASSTHRU MODE=SHARED AUTOCOMMIT",
            "SCHEMA CACHE TIME=-1",
            "MAX ROWS=-1",
            "BATCH COUNT=200",
            "ENABLE SCHEMA CACHE=FALSE",
            "SCHEMA CACHE DIR=",
            "ENABLE BCD=FALSE",
            "ROWSET SIZE=20",
            "BLOBS TO CACHE=64",
            "USER NAME=demo",
            "PASSWORD=lynx"};
}

void hideAndDisable(ui::Control& control) {
    control.SetVisible(false);
    control.SetEnabled(false);
}

}  // namespace

TForm1::TForm1() : ui::Form("Form1", "Update Velantrix", ui::Font{"MS Sans Serif", -11, true, ui::kNavy}) {
    clientWidth = 544;
    clientHeight = 452;
    borderStyle = ui::BorderStyle::Single;
    minimizeBox = maximizeBox = false;
    centred = true;

    bazaDB.SetDatabaseName(kConnectionName);
    bazaDB.DriverName = "PostgreSQL ANSI";
    bazaDB.LoginPrompt = false;
    bazaDB.SessionName = "Default";
    bazaDB.Params = initialParameters();

    // The hidden memo and its labels lie below the client area of the
    // fixed-size window: never seen.
    mesajeMM.bounds = {24, 640, 649, 193};
    mesajeMM.verticalScrollBar = mesajeMM.horizontalScrollBar = true;
    eroriLL.bounds = {24, 616, 0, 0};
    Label1.bounds = {24, 456, 0, 0};

    executateMM.align = ui::Align::Client;
    executateMM.verticalScrollBar = true;
    executateMM.wordWrap = true;

    Panel1.align = ui::Align::Top;
    Panel1.bounds.height = 185;
    Panel1.innerMargin = 3;
    Panel1.SetVisible(false);
    Label2.bounds = {40, 12, 0, 0};
    utilizatorEB.bounds = {176, 8, 129, 21};
    utilizatorEB.OnKeyUp = [this](int key, int shift) { utilizatorEBKeyUp(key, shift); };
    Label3.bounds = {40, 44, 0, 0};
    parolaNouaEB.bounds = {176, 40, 129, 21};
    parolaNouaEB.passwordChar = '*';
    parolaNouaEB.OnKeyUp = [this](int key, int shift) { parolaNouaEBKeyUp(key, shift); };
    Panel2.bounds = {24, 72, 305, 3};
    Label5.bounds = {336, 11, 0, 0};
    bazaCB.bounds = {336, 40, 169, 21};
    bazaCB.font = ui::Font{"MS Sans Serif", -12, false, ui::kNavy};
    bazaCB.OnChange = [this] { bazaCBChange(); };
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Label2, &utilizatorEB, &Label3, &parolaNouaEB, &Label5,
                                                              &bazaCB})
        hideAndDisable(*c);
    Panel2.SetVisible(false);
    for (const char* entry : {"1", "2", "3"}) bazaCB.Add(entry);
    backupBB.bounds = {24, 81, 289, 33};
    backupBB.OnClick = [this] { backupBBClick(); };

    panelJos.align = ui::Align::Bottom;
    panelJos.bounds.height = 52;
    versiuneUpdateLL.bounds = {8, 10, 402, 34};
    versiuneUpdateLL.wordWrap = true;
    versiuneUpdateLL.font.bold = false;
    iesireBB.bounds = {416, 11, 113, 25};
    iesireBB.hasGlyph = true;
    iesireBB.OnClick = [this] { iesireBBClick(); };

    actualizeazaVersiuneaBB.bounds = {24, 120, 481, 41};
    actualizeazaVersiuneaBB.hasGlyph = true;
    actualizeazaVersiuneaBB.hint =
        "Click aici pentru actualizare la ultima versiune in cazul in care nu s-a finalizat automat.";
    actualizeazaVersiuneaBB.OnClick = [this] { actualizeazaVersiuneaBBClick(); };

    Label6.align = ui::Align::Bottom;
    Label6.wordWrap = true;
    Label6.font.color = ui::kRed;

    Timer1.SetEnabled(false);
    Timer1.interval = 10000;
    Timer1.OnTimer = [this] { Timer1Timer(); };

    // Shown only while a run is in progress, above the bottom panel.
    progresPanel.align = ui::Align::Bottom;
    progresPanel.bounds.height = 22;
    progresPanel.SetVisible(false);
    progresLL.bounds = {8, 4, 200, 14};
    progresLL.font.bold = false;
    progresPB.bounds = {212, 3, 324, 16};

    OnShow = [this] { FormShow(); };
    OnActivate = [this] { FormActivate(); };
    OnClose = [this] { FormClose(); };
}

TForm1::~TForm1() = default;

void TForm1::FormShow() { companies::incarcaListaFirme(bazaCB); }

void TForm1::FormActivate() {
    // A run starts whenever the window becomes active while no run has
    // reached its end; an activation reported during a run (a message box of
    // the run) must not start a second one inside it.
    if (!updateFinalizat && !runInProgress_) actualizeazaVersiuneaBB.Click();
}

void TForm1::FormClose() { inregistreazaOcx(); }

void TForm1::actualizeazaVersiuneaBBClick() {
    if (runInProgress_) return;
    runInProgress_ = true;
    struct Reset {
        TForm1& form;
        ~Reset() {
            form.runInProgress_ = false;
            form.progresPanel.SetVisible(false);
        }
    } reset{*this};
    actualizeazaVersiunea();
}

void TForm1::iesireBBClick() { Close(); }

void TForm1::Timer1Timer() { iesireBB.Click(); }

void TForm1::setParamLine(int index, const std::string& line) {
    bazaDB.Params.Delete(index);
    bazaDB.Params.Insert(index, line);
}

void TForm1::raporteazaProgres(int done, int total) {
    progresPB.SetRange(total);
    progresPB.SetPosition(done);
    ui::application().ProcessPaintEvents();
}

// The main window's entry to the engine: one pass over the open company
// database with the script of this release.
#include "app/form1.h"
#include "app/windows.h"
#include "engine/statement_log.h"

void TForm1::actualizeazaBaza(const std::string& name) {
    utilityFM->construiesteFrazeUpgrade();
    engine::Pass pass{bazaDB,
                      versiuneUpdateLL.Caption(),
                      utilityFM->listaFraze,
                      executateMM.Lines,
                      mesajeMM.Lines,
                      [this](int done, int total) { raporteazaProgres(done, total); }};
    engine::actualizeazaBaza(pass, name);
}

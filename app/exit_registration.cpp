// At exit the system's registration tool registers the control file that the
// accounting application uses; a failure is not reported.
#include "app/form1.h"
#include "platform/system/system.h"

void TForm1::inregistreazaOcx() {
    const std::string program = (sys::systemDirectory() / "Regsvr32.exe").string();
    if (sys::run({program, "/s", "RU260Vude.ocx"}).started) return;
    sys::run({program, "/s", sys::programDirectory() + "/" + "RU260Vude.ocx"});
}

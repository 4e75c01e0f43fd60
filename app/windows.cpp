#include "app/windows.h"

#include "script/builder.h"

TForm1* Form1 = nullptr;
TutilityFM* utilityFM = nullptr;
TbackupDatabaseFM* backupDatabaseFM = nullptr;
TstatusUpdateFM* statusUpdateFM = nullptr;

TutilityFM::TutilityFM() : ui::Form("utilityFM", "utilityFM") {
    clientWidth = 672;
    clientHeight = 443;
}

void TutilityFM::construiesteFrazeUpgrade() {
    std::vector<std::string_view> list;
    if (ownStatements_) {
        list = statements_;
    } else {
        const auto& rows = script::rowsInOrder();
        list.reserve(rows.size());
        for (const script::ScriptRow& row : rows) list.push_back(row.text);
    }
    listaFraze = std::move(list);
}

void TutilityFM::useStatements(std::vector<std::string_view> statements) {
    statements_ = std::move(statements);
    ownStatements_ = true;
}

TstatusUpdateFM::TstatusUpdateFM()
    : ui::Form("statusUpdateFM", "Status update baze de date", ui::Font{"Tahoma", -11, false, 0}) {
    clientWidth = 651;
    clientHeight = 338;
    autoScroll = true;
    statusUpdateMM.align = ui::Align::Client;
    statusUpdateMM.Lines.Add("statusUpdateMM");
}

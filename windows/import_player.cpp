#include "windows/import_player.h"

#include "windows/source_browser.h"

#include <QLabel>
#include <QPushButton>

import_player::import_player()
    : ImportWindow({"import_player", tr("Import Player Model"), 4860, 4215,
                    tr("Locate and select the file you would like to import. Then type in a name "
                       "to identify it and click Import."),
                    QRect(360, 3720, 2415, 375), QStringLiteral("*.mdl"), "playeri"}) {
    connect(btn_import, &QPushButton::clicked, this, &import_player::btn_import_Click);
    Form_Load();
}

void import_player::Form_Load() {
    set_up_console();
    browser->open_initial_folder();
}

void import_player::btn_import_Click() {
    lbl_confirm->clear();
    report(library::import_player_model(request()));
}

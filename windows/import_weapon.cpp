#include "windows/import_weapon.h"

#include "library/name_lists.h"
#include "platform/message.h"
#include "windows/source_browser.h"

#include <QLabel>
#include <QPushButton>

import_weapon::import_weapon()
    : ImportWindow({"import_weapon", tr("Import Weapon Model"), 4830, 4245,
                    tr("Locate and select the file you would like to import. Then type in a "
                       "comment to identify it and click Import."),
                    QRect(120, 3720, 2895, 495), QStringLiteral("v*.mdl"), "weaponi"}) {
    connect(btn_import, &QPushButton::clicked, this, &import_weapon::btn_import_Click);
    Form_Load();
}

void import_weapon::Form_Load() {
    set_up_console();
    // A short list still serves: the import compares against the names that could be read.
    if (const auto load = library::load_weapon_names(library::window_weapon_names);
        !load.complete())
        platform::show_message(load.problem);
    browser->open_initial_folder();
}

void import_weapon::btn_import_Click() {
    lbl_confirm->clear();
    report(library::import_weapon_model(request()));
}

#include "windows/weapon_import_window.h"

#include "windows/message_box.h"

WeaponImportWindow::WeaponImportWindow(library::Settings& settings)
    : ImportWindow({"import_weapon", tr("Import Weapon Model"), 4830, 4245,
                    tr("Locate and select the file you would like to import. Then type in a "
                       "comment to identify it and click Import."),
                    QRect(120, 3720, 2895, 495), library::ModelKind::weapon},
                   settings) {
    hold_console();
    // A short list still serves: the import compares against the names that could be read.
    auto weapons = library::read_name_list(library::ModelKind::weapon);
    message_box::show(weapons.messages());
    if (weapons)
        weapons_ = std::move(*weapons);
    open_first_folder();
}

library::Result<library::Imported> WeaponImportWindow::import(const library::ImportRequest& request,
                                                              library::Settings& settings) {
    return library::import_weapon_model(request, weapons_, settings);
}

#include "ui/weapon_import_window.h"

#include "ui/message_box.h"

namespace ui {

WeaponImportWindow::WeaponImportWindow(const core::Library& library)
    : ImportWindow({"import_weapon", tr("Import Weapon Model"), 4830, 4245,
                    tr("Locate and select the file you would like to import. Then type in a "
                       "comment to identify it and click Import."),
                    QRect(120, 3720, 2895, 495), core::ModelKind::weapon},
                   library) {
    // A short list still serves: the import compares against the names that could be read.
    auto weapons = core::read_name_list(library, core::ModelKind::weapon);
    message_box::show(weapons.messages());
    if (weapons)
        weapons_ = std::move(*weapons);
    open_first_folder();
}

core::Result<core::Imported> WeaponImportWindow::import(const core::ImportRequest& request) {
    return core::import_weapon_model(library(), request, weapons_);
}

core::Result<core::Imported> WeaponImportWindow::import_as(const core::ImportRequest& request,
                                                           const std::string& name) {
    return core::import_weapon_model_as(library(), request, name);
}

bool WeaponImportWindow::takes_import_as(const std::string& file,
                                         const std::vector<std::string>& listed) const {
    return core::takes_import_as(core::ModelKind::weapon, file, listed, weapons_);
}

} // namespace ui

#include "ui/player_import_window.h"

namespace ui {

PlayerImportWindow::PlayerImportWindow(const core::Library& library)
    : ImportWindow({"import_player", tr("Import Player Model"), 4860, 4215,
                    tr("Locate and select the file you would like to import. Then type in a name "
                       "to identify it and click Import."),
                    QRect(360, 3720, 2415, 375), core::ModelKind::player},
                   library) {
    open_first_folder();
}

core::Result<core::Imported> PlayerImportWindow::import(const core::ImportRequest& request) {
    return core::import_player_model(library(), request);
}

core::Result<core::Imported> PlayerImportWindow::import_as(const core::ImportRequest& request,
                                                           const std::string& name) {
    return core::import_player_model_as(library(), request, name);
}

std::vector<std::string> PlayerImportWindow::names_to_import_as() const {
    return {core::imported_player_types.begin(), core::imported_player_types.end()};
}

bool PlayerImportWindow::takes_import_as(const std::string& file,
                                         const std::vector<std::string>& listed) const {
    return core::takes_import_as(core::ModelKind::player, file, listed, {});
}

} // namespace ui

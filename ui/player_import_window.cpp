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

} // namespace ui

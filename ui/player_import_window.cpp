#include "ui/player_import_window.h"

namespace ui {

PlayerImportWindow::PlayerImportWindow(core::Settings& settings)
    : ImportWindow({"import_player", tr("Import Player Model"), 4860, 4215,
                    tr("Locate and select the file you would like to import. Then type in a name "
                       "to identify it and click Import."),
                    QRect(360, 3720, 2415, 375), core::ModelKind::player},
                   settings) {
    hold_console();
    open_first_folder();
}

core::Result<core::Imported> PlayerImportWindow::import(const core::ImportRequest& request,
                                                        core::Settings& settings) {
    return core::import_player_model(request, settings);
}

} // namespace ui

#include "windows/player_import_window.h"

PlayerImportWindow::PlayerImportWindow(library::Settings& settings)
    : ImportWindow({"import_player", tr("Import Player Model"), 4860, 4215,
                    tr("Locate and select the file you would like to import. Then type in a name "
                       "to identify it and click Import."),
                    QRect(360, 3720, 2415, 375), library::ModelKind::player},
                   settings) {
    hold_console();
    open_first_folder();
}

library::Result<library::Imported> PlayerImportWindow::import(const library::ImportRequest& request,
                                                              library::Settings& settings) {
    return library::import_player_model(request, settings);
}

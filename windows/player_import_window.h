#pragma once

#include "windows/import_window.h"

// Files a player model into the library under its player type and a model name.
class PlayerImportWindow final : public ImportWindow {
    Q_OBJECT

public:
    explicit PlayerImportWindow(library::Settings& settings);

private:
    library::Result<library::Imported> import(const library::ImportRequest& request,
                                              library::Settings& settings) override;
};

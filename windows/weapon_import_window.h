#pragma once

#include "library/name_lists.h"
#include "windows/import_window.h"

// Files a weapon model, whichever of its four files lie beside the picked one, into the library
// under its weapon and a model name.
class WeaponImportWindow final : public ImportWindow {
    Q_OBJECT

public:
    explicit WeaponImportWindow(library::Settings& settings);

private:
    library::Result<library::Imported> import(const library::ImportRequest& request,
                                              library::Settings& settings) override;

    library::Names weapons_; // read as the window opens
};

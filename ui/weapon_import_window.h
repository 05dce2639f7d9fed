#pragma once

#include "core/library/name_lists.h"
#include "ui/import_window.h"

namespace ui {

// Files a weapon model, whichever of its four files lie beside the picked one, into the library
// under its weapon and a model name.
class WeaponImportWindow final : public ImportWindow {
    Q_OBJECT

public:
    explicit WeaponImportWindow(const core::Library& library);

private:
    core::Result<core::Imported> import(const core::ImportRequest& request) override;
    core::Result<core::Imported> import_as(const core::ImportRequest& request,
                                           const std::string& name) override;
    std::vector<std::string> names_to_import_as() const override { return weapons_; }
    bool takes_import_as(const std::string& file,
                         const std::vector<std::string>& listed) const override;

    core::Names weapons_; // read as the window opens
};

} // namespace ui

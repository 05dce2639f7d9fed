#pragma once

#include "ui/import_window.h"

namespace ui {

// Files a player model into the library under its player type and a model name.
class PlayerImportWindow final : public ImportWindow {
    Q_OBJECT

public:
    explicit PlayerImportWindow(const core::Library& library);

private:
    core::Result<core::Imported> import(const core::ImportRequest& request) override;
    core::Result<core::Imported> import_as(const core::ImportRequest& request,
                                           const std::string& name) override;
    std::vector<std::string> names_to_import_as() const override;
    bool takes_import_as(const std::string& file,
                         const std::vector<std::string>& listed) const override;
};

} // namespace ui

#pragma once

#include "ui/install_window.h"

namespace ui {

// Installs a library player model over the game's file for its type, and puts player backup
// sets back into the game.
class PlayerInstallWindow final : public InstallWindow {
    Q_OBJECT

public:
    explicit PlayerInstallWindow(const core::Library& library);

private:
    std::vector<std::string> files_to_install() const override;
    QString installed_text(const core::LibraryModel& model) const override;
};

} // namespace ui

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
    void install_model();
};

} // namespace ui

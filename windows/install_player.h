#pragma once

#include "windows/install_window.h"

// Installs a library player model over the game's file for its type, and puts player backup
// sets back into the game.
class install_player final : public InstallWindow {
    Q_OBJECT

public:
    install_player();

private:
    void Form_Load();
    void cmb_model_type_Click();
    void cmd_preview_Click();
    void btn_install_Click();
    void btn_showbackup_Click();
    void btn_installbackup_Click();
};

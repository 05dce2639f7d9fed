#pragma once

#include "library/game_paths.h"
#include "windows/install_window.h"

#include <array>
#include <utility>

class QCheckBox;

// Installs the ticked files of a library weapon model over the game's files, and puts weapon
// backup sets back into the game.
class install_weapon final : public InstallWindow {
    Q_OBJECT

public:
    install_weapon();

    QCheckBox* chk_lmodel;
    QCheckBox* chk_rmodel;
    QCheckBox* chk_wmodel;
    QCheckBox* chk_pmodel;

private:
    // The check boxes with the kinds of file they stand for, in install order.
    std::array<std::pair<QCheckBox*, library::WeaponKind>, 4> check_boxes() const;

    void Form_Load();
    void cmb_model_type_Click();
    void lst_models_Click();
    void cmd_preview_Click();
    void btn_install_Click();
    void btn_showinstall_Click();
    void btn_installbackup_Click();
};

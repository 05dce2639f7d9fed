#pragma once

#include "core/library/model_kinds.h"
#include "ui/install_window.h"

#include <array>
#include <utility>

class QCheckBox;

namespace ui {

// Installs the ticked files of a library weapon model over the game's files, and puts weapon
// backup sets back into the game.
class WeaponInstallWindow final : public InstallWindow {
    Q_OBJECT

public:
    explicit WeaponInstallWindow(const core::Library& library);

private:
    // Enables the boxes of the files the picked model holds, and unticks them all.
    void show_files_of_model();
    std::vector<std::string> files_to_install() const override;
    QString installed_text(const core::LibraryModel& model) const override;

    // A check box for each of the four files, in the order of weapon_files.
    std::array<QCheckBox*, 4> file_boxes_;
};

} // namespace ui

#include "ui/weapon_install_window.h"

#include "core/changes/model_install.h"
#include "core/library/name_lists.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace ui {

using core::ModelKind;

WeaponInstallWindow::WeaponInstallWindow(const core::Library& library)
    : InstallWindow("install_weapon", tr("Install Weapon Model"), 3705, 4275, library,
                    {"btn_showinstall", ModelKind::weapon, 3795, 5595,
                     [](const QString&) { return tr("Backup install complete"); }}),
      file_boxes_{gui::named(new QCheckBox(tr("Install Left Model"), this), "chk_lmodel"),
                  gui::named(new QCheckBox(tr("Install Right Model"), this), "chk_rmodel"),
                  gui::named(new QCheckBox(tr("Install W Model"), this), "chk_wmodel"),
                  gui::named(new QCheckBox(tr("Install P Model"), this), "chk_pmodel")} {
    const auto& c = controls();
    const auto& [left, right, w, p] = file_boxes_;
    twips::place(c.install, 2400, 2520, 1215, 495);
    twips::place(c.ok, 2400, 3120, 1215, 495);
    twips::place(c.instructions, 120, 3720, 2175, 495);
    twips::place(c.model_types, 1920, 120, 1455, 315);
    twips::place(c.models, 120, 120, 1695, 2985);
    twips::place(c.confirmation, 120, 3240, 2175, 375);
    twips::place(left, 1920, 480, 1575, 375);
    twips::place(right, 1920, 840, 1695, 375);
    twips::place(w, 1920, 1200, 1455, 375);
    twips::place(p, 1920, 1560, 1455, 375);
    twips::place(c.restore->set_list(), 3720, 120, 1695, 2985);
    twips::place(c.restore->install_button(), 3960, 3240, 1215, 495);
    twips::place(c.restore->show_button(), 2400, 3720, 1275, 495);
    twips::place(c.preview, 2400, 1920, 1215, 495);
    twips::set_tab_order({c.install, c.ok, c.model_types, c.models, left, right, w, p,
                          c.restore->set_list(), c.restore->install_button(),
                          c.restore->show_button(), c.preview});

    connect(c.models, &QListWidget::itemSelectionChanged, this,
            &WeaponInstallWindow::show_files_of_model);

    // A short list is reported, and the names that could be read are listed.
    const auto weapons = core::read_name_list(library, ModelKind::weapon);
    message_box::show(weapons.messages());
    if (weapons) {
        for (const auto& weapon : *weapons)
            c.model_types->addItem(gui::qtext(weapon));
    }
    // ak47 is picked as the window opens; without it no weapon is picked.
    c.model_types->setCurrentIndex(c.model_types->findText(QStringLiteral("ak47")));
    if (c.model_types->currentIndex() >= 0)
        list_models();
}

void WeaponInstallWindow::show_files_of_model() {
    const auto model = picked_model();
    if (model.name.empty())
        return;
    for (std::size_t i = 0; i < file_boxes_.size(); ++i) {
        const auto file = core::weapon_file_name(model.type, core::weapon_files[i]);
        file_boxes_[i]->setCheckState(Qt::Unchecked);
        file_boxes_[i]->setEnabled(core::model_has_file(library(), model, file));
    }
}

std::vector<std::string> WeaponInstallWindow::files_to_install() const {
    // Only a tick counts: a greyed box does not.
    std::vector<std::string> files;
    for (std::size_t i = 0; i < file_boxes_.size(); ++i) {
        if (file_boxes_[i]->checkState() == Qt::Checked)
            files.push_back(core::weapon_file_name(model_type(), core::weapon_files[i]));
    }
    return files;
}

QString WeaponInstallWindow::installed_text(const core::LibraryModel&) const {
    return tr("Install Complete");
}

} // namespace ui

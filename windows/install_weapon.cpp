#include "windows/install_weapon.h"

#include "library/game_paths.h"
#include "library/model_install.h"
#include "library/name_lists.h"
#include "library/preview.h"
#include "library/restore_sets.h"
#include "library/set_lists.h"
#include "platform/message.h"
#include "platform/program_folder.h"
#include "windows/geometry.h"
#include "windows/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <utility>

using library::WeaponKind;

install_weapon::install_weapon()
    : InstallWindow("install_weapon", tr("Install Weapon Model"), 3705, 4275,
                    {"btn_showinstall", library::weapon_set_list, 3795, 5595,
                     library::restore_weapon_set,
                     [](const QString&) { return QObject::tr("Backup install complete"); }}),
      chk_lmodel(new QCheckBox(tr("Install Left Model"), this)),
      chk_rmodel(new QCheckBox(tr("Install Right Model"), this)),
      chk_wmodel(new QCheckBox(tr("Install W Model"), this)),
      chk_pmodel(new QCheckBox(tr("Install P Model"), this)) {
    chk_lmodel->setObjectName(QStringLiteral("chk_lmodel"));
    chk_rmodel->setObjectName(QStringLiteral("chk_rmodel"));
    chk_wmodel->setObjectName(QStringLiteral("chk_wmodel"));
    chk_pmodel->setObjectName(QStringLiteral("chk_pmodel"));

    geometry::place(btn_install, 2400, 2520, 1215, 495);
    geometry::place(btn_ok, 2400, 3120, 1215, 495);
    geometry::place(Label1, 120, 3720, 2175, 495);
    geometry::place(cmb_model_type, 1920, 120, 1455, 315);
    geometry::place(lst_models, 120, 120, 1695, 2985);
    geometry::place(lbl_confirm, 120, 3240, 2175, 375);
    geometry::place(chk_lmodel, 1920, 480, 1575, 375);
    geometry::place(chk_rmodel, 1920, 840, 1695, 375);
    geometry::place(chk_wmodel, 1920, 1200, 1455, 375);
    geometry::place(chk_pmodel, 1920, 1560, 1455, 375);
    geometry::place(restore->lst_backup, 3720, 120, 1695, 2985);
    geometry::place(restore->btn_installbackup, 3960, 3240, 1215, 495);
    geometry::place(restore->show_button, 2400, 3720, 1275, 495);
    geometry::place(cmd_preview, 2400, 1920, 1215, 495);

    geometry::set_tab_order({btn_install, btn_ok, cmb_model_type, lst_models, chk_lmodel,
                             chk_rmodel, chk_wmodel, chk_pmodel, restore->lst_backup,
                             restore->btn_installbackup, restore->show_button, cmd_preview});

    connect(cmb_model_type, &QComboBox::activated, this, &install_weapon::cmb_model_type_Click);
    connect(lst_models, &QListWidget::itemSelectionChanged, this,
            &install_weapon::lst_models_Click);
    connect(cmd_preview, &QPushButton::clicked, this, &install_weapon::cmd_preview_Click);
    connect(btn_install, &QPushButton::clicked, this, &install_weapon::btn_install_Click);
    connect(restore->show_button, &QPushButton::clicked, this,
            &install_weapon::btn_showinstall_Click);
    connect(restore->btn_installbackup, &QPushButton::clicked, this,
            &install_weapon::btn_installbackup_Click);
    Form_Load();
}

std::array<std::pair<QCheckBox*, WeaponKind>, 4> install_weapon::check_boxes() const {
    return {{{chk_lmodel, WeaponKind::left},
             {chk_rmodel, WeaponKind::right},
             {chk_wmodel, WeaponKind::w},
             {chk_pmodel, WeaponKind::p}}};
}

void install_weapon::Form_Load() {
    set_up_console();
    const auto load = library::load_weapon_names(library::window_weapon_names);
    if (!load.complete())
        platform::show_message(load.problem); // the names that could be read are listed
    for (std::size_t i = 0; i < load.count; ++i)
        cmb_model_type->addItem(qtext(library::window_weapon_names[i]));

    // ak47 is picked as the window opens; without it no weapon is picked.
    cmb_model_type->setCurrentIndex(cmb_model_type->findText(QStringLiteral("ak47")));
    if (cmb_model_type->currentIndex() >= 0)
        cmb_model_type_Click();
}

void install_weapon::cmb_model_type_Click() {
    fill_models(library::library_weapon_folder(platform::program_folder(), model_type()) + "\\");
}

void install_weapon::lst_models_Click() {
    const auto model = model_name();
    if (model.empty())
        return;
    for (const auto& [box, kind] : check_boxes()) {
        box->setCheckState(Qt::Unchecked);
        box->setEnabled(library::weapon_model_has(model_type(), model, kind));
    }
}

void install_weapon::cmd_preview_Click() {
    const auto model = model_name();
    if (model.empty()) {
        platform::show_message("No file selected.");
        return;
    }
    for (const auto kind : {WeaponKind::left, WeaponKind::right}) {
        if (library::weapon_model_has(model_type(), model, kind)) {
            library::preview_model(library::library_weapon_model_path(platform::program_folder(),
                                                                      model_type(), model, kind));
            return;
        }
    }
}

void install_weapon::btn_install_Click() {
    lbl_confirm->clear();
    const auto model = model_name();
    if (model.empty()) {
        platform::show_message("Please select a model before clicking install.");
        return;
    }
    // Only a tick counts: a greyed box does not.
    std::vector<WeaponKind> kinds;
    for (const auto& [box, kind] : check_boxes()) {
        if (box->checkState() == Qt::Checked)
            kinds.push_back(kind);
    }
    if (library::install_weapon_model(model_type(), model, kinds))
        lbl_confirm->setText(tr("Install Complete"));
}

void install_weapon::btn_showinstall_Click() {
    restore->show_sets();
}

void install_weapon::btn_installbackup_Click() {
    restore->install_selected_set();
}

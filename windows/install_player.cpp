#include "windows/install_player.h"

#include "library/game_paths.h"
#include "library/model_install.h"
#include "library/preview.h"
#include "library/restore_sets.h"
#include "library/set_lists.h"
#include "platform/message.h"
#include "platform/program_folder.h"
#include "windows/geometry.h"
#include "windows/text.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

install_player::install_player()
    : InstallWindow("install_player", tr("Install Player Model"), 3240, 3765,
                    {"btn_showbackup", library::player_set_list, 3330, 5130,
                     library::restore_player_set, [](const QString& set_name) {
                         return QObject::tr("Backup ") + set_name + QObject::tr(" installed");
                     }}) {
    for (const auto& type : library::player_model_types)
        cmb_model_type->addItem(qtext(type));
    cmb_model_type->setCurrentIndex(-1);

    geometry::place(btn_install, 1920, 2040, 1215, 495);
    geometry::place(btn_ok, 1920, 2640, 1215, 495);
    geometry::place(Label1, 1920, 480, 1215, 1215);
    geometry::place(cmb_model_type, 1920, 120, 1215, 315);
    geometry::place(lst_models, 120, 120, 1695, 2985);
    geometry::place(lbl_confirm, 120, 3240, 1815, 495);
    geometry::place(restore->show_button, 1920, 3240, 1215, 495);
    geometry::place(restore->lst_backup, 3240, 120, 1695, 2985);
    geometry::place(restore->btn_installbackup, 3480, 3240, 1215, 495);
    geometry::place(cmd_preview, 1920, 1440, 1215, 495);

    geometry::set_tab_order({btn_install, btn_ok, cmb_model_type, lst_models, restore->show_button,
                             restore->lst_backup, restore->btn_installbackup, cmd_preview});

    connect(cmb_model_type, &QComboBox::activated, this, &install_player::cmb_model_type_Click);
    connect(cmd_preview, &QPushButton::clicked, this, &install_player::cmd_preview_Click);
    connect(btn_install, &QPushButton::clicked, this, &install_player::btn_install_Click);
    connect(restore->show_button, &QPushButton::clicked, this,
            &install_player::btn_showbackup_Click);
    connect(restore->btn_installbackup, &QPushButton::clicked, this,
            &install_player::btn_installbackup_Click);
    Form_Load();
}

void install_player::Form_Load() {
    set_up_console();
}

void install_player::cmb_model_type_Click() {
    fill_models(library::library_player_type_folder(platform::program_folder(), model_type()) +
                "\\");
}

void install_player::cmd_preview_Click() {
    const auto model = model_name();
    if (model.empty()) {
        platform::show_message("No model selected");
        return;
    }
    library::preview_model(
        library::library_player_model_path(platform::program_folder(), model_type(), model));
}

void install_player::btn_install_Click() {
    lbl_confirm->clear();
    const auto type = model_type();
    const auto model = model_name();
    if (model.empty()) {
        platform::show_message("Please select a model before clicking install.");
        return;
    }
    if (library::install_player_model(type, model))
        lbl_confirm->setText(qtext(type + " model " + model + " installed"));
}

void install_player::btn_showbackup_Click() {
    restore->show_sets();
}

void install_player::btn_installbackup_Click() {
    restore->install_selected_set();
}

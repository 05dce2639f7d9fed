#pragma once

#include "windows/child_window.h"
#include "windows/restore_controls.h"

#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

// What the two install windows share: a model type list, the list of its models, Install,
// Preview and Ok buttons, the confirmation, and the restore controls beyond the right edge.
class InstallWindow : public ChildWindow {
    Q_OBJECT

public:
    QPushButton* btn_install;
    QPushButton* btn_ok;
    QLabel* Label1;
    QComboBox* cmb_model_type;
    QListWidget* lst_models;
    QLabel* lbl_confirm;
    QPushButton* cmd_preview;
    RestoreControls* restore; // lst_backup, btn_installbackup and the Install Backup button

protected:
    InstallWindow(const char* name, const QString& caption, int client_width, int client_height,
                  RestoreControls::Design restore_design);

    // The picked model type or weapon, and the picked model: empty when none is picked.
    std::string model_type() const;
    std::string model_name() const;

    // Lists the entries of a library folder, last listed first.
    void fill_models(const std::string& folder);

    void btn_ok_Click();
    void Form_Unload() override;
};

#pragma once

#include "windows/child_window.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Saves the game's current player or weapon models as a backup set under a name.
class mi_back final : public ChildWindow {
    Q_OBJECT

public:
    mi_back();

    QLineEdit* backup_name;
    QPushButton* btn_backup;
    QComboBox* cmb_model_type;
    QPushButton* btn_ok;
    QLabel* lbl_confirm;

private:
    void Form_Load();
    void btn_backup_Click();
    void btn_ok_Click();
};

#include "windows/mi_back.h"

#include "library/backup_sets.h"
#include "windows/geometry.h"
#include "windows/text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

mi_back::mi_back()
    : ChildWindow("mi_back", tr("Backup"), 2655, 2130), backup_name(new QLineEdit(this)),
      btn_backup(new QPushButton(tr("&Backup"), this)), cmb_model_type(new QComboBox(this)),
      btn_ok(new QPushButton(tr("&Ok"), this)),
      lbl_confirm(new QLabel(tr("Type in a name for the backups and click backup"), this)) {
    backup_name->setObjectName(QStringLiteral("backup_name"));
    btn_backup->setObjectName(QStringLiteral("btn_backup"));
    cmb_model_type->setObjectName(QStringLiteral("cmb_model_type"));
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    lbl_confirm->setObjectName(QStringLiteral("lbl_confirm"));
    lbl_confirm->setWordWrap(true);
    lbl_confirm->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    cmb_model_type->addItems({tr("Weapon models"), tr("Player models")});

    geometry::place(backup_name, 0, 0, 2655, 375);
    geometry::place(btn_backup, 0, 960, 1215, 495);
    geometry::place(cmb_model_type, 480, 480, 1695, 315);
    geometry::place(btn_ok, 1440, 960, 1215, 495);
    geometry::place(lbl_confirm, 120, 1560, 2415, 495);

    geometry::set_tab_order({backup_name, btn_backup, cmb_model_type, btn_ok});

    connect(btn_backup, &QPushButton::clicked, this, &mi_back::btn_backup_Click);
    connect(btn_ok, &QPushButton::clicked, this, &mi_back::btn_ok_Click);
    Form_Load();
}

void mi_back::Form_Load() {
    cmb_model_type->setCurrentText(tr("Player models"));
}

void mi_back::btn_backup_Click() {
    lbl_confirm->clear();
    const auto set_name = local_text(backup_name->text());
    const auto status = [this](const std::string& text) { lbl_confirm->setText(qtext(text)); };
    if (cmb_model_type->currentText() == tr("Player models")) {
        lbl_confirm->setText(tr("Backing up player models"));
        library::create_player_set(set_name, status);
    } else if (cmb_model_type->currentText() == tr("Weapon models")) {
        lbl_confirm->setText(tr("Backing up weapon models"));
        lbl_confirm->setText(tr("Backing up weapon models..."));
        library::create_weapon_set(set_name, status);
    }
}

void mi_back::btn_ok_Click() {
    close();
}

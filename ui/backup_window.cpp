#include "ui/backup_window.h"

#include "core/backup_sets.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/text.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

BackupWindow::BackupWindow()
    : ChildWindow("mi_back", tr("Backup"), 2655, 2130),
      set_name_(named(new QLineEdit(this), "backup_name")),
      kinds_(named(new QComboBox(this), "cmb_model_type")),
      status_(
          wrapping(named(new QLabel(tr("Type in a name for the backups and click backup"), this),
                         "lbl_confirm"))) {
    auto* back_up = named(new QPushButton(tr("&Backup"), this), "btn_backup");
    auto* ok = named(new QPushButton(tr("&Ok"), this), "btn_ok");
    kinds_->addItems({tr("Weapon models"), tr("Player models")});
    kinds_->setCurrentText(tr("Player models"));

    twips::place(set_name_, 0, 0, 2655, 375);
    twips::place(back_up, 0, 960, 1215, 495);
    twips::place(kinds_, 480, 480, 1695, 315);
    twips::place(ok, 1440, 960, 1215, 495);
    twips::place(status_, 120, 1560, 2415, 495);
    twips::set_tab_order({set_name_, back_up, kinds_, ok});

    connect(back_up, &QPushButton::clicked, this, &BackupWindow::back_up);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

void BackupWindow::back_up() {
    status_->clear();
    const auto set_name = local_text(set_name_->text());
    core::Result<> made = core::Done{};
    if (kinds_->currentText() == tr("Player models")) {
        status_->setText(tr("Backing up player models"));
        made = core::create_backup_set(core::ModelKind::player, set_name);
        if (made)
            status_->setText(tr("Player model backup complete."));
    } else if (kinds_->currentText() == tr("Weapon models")) {
        status_->setText(tr("Backing up weapon models"));
        status_->setText(tr("Backing up weapon models..."));
        made = core::create_backup_set(core::ModelKind::weapon, set_name);
        if (made)
            status_->setText(tr("Weapon model backup complete."));
    }
    message_box::show(made.messages());
}

} // namespace ui

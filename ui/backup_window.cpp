#include "ui/backup_window.h"

#include "core/changes/backup_sets.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

namespace {

// What the window says of each kind, in the order its list offers them.
struct KindTexts {
    core::ModelKind kind;
    const char* item;
    const char* working;
    const char* done;
};
constexpr KindTexts kind_texts[] = {
    {core::ModelKind::weapon, QT_TRANSLATE_NOOP("ui::BackupWindow", "Weapon models"),
     QT_TRANSLATE_NOOP("ui::BackupWindow", "Backing up weapon models..."),
     QT_TRANSLATE_NOOP("ui::BackupWindow", "Weapon model backup complete.")},
    {core::ModelKind::player, QT_TRANSLATE_NOOP("ui::BackupWindow", "Player models"),
     QT_TRANSLATE_NOOP("ui::BackupWindow", "Backing up player models"),
     QT_TRANSLATE_NOOP("ui::BackupWindow", "Player model backup complete.")},
};

} // namespace

BackupWindow::BackupWindow(const core::Library& library)
    : ChildWindow("mi_back", tr("Backup"), 2655, 2130),
      set_name_(gui::named(new QLineEdit(this), "backup_name")),
      kinds_(gui::named(new QComboBox(this), "cmb_model_type")),
      status_(gui::wrapping(gui::named(
          new QLabel(tr("Type in a name for the backups and click backup"), this), "lbl_confirm"))),
      library_(library) {
    auto* back_up = gui::named(new QPushButton(tr("&Backup"), this), "btn_backup");
    auto* ok = gui::named(new QPushButton(tr("&Ok"), this), "btn_ok");
    for (int i = 0; i < static_cast<int>(std::size(kind_texts)); ++i)
        kinds_->addItem(tr(kind_texts[i].item), i);
    kinds_->setCurrentIndex(kinds_->findData(1));

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
    const KindTexts& texts = kind_texts[kinds_->currentData().toInt()];
    status_->setText(tr(texts.working));
    const auto made =
        core::create_backup_set(library_, {texts.kind, gui::core_text(set_name_->text())});
    if (made)
        status_->setText(tr(texts.done));
    message_box::show(made.messages());
}

} // namespace ui

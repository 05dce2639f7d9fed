#include "ui/restore_controls.h"

#include "core/changes/backup_sets.h"
#include "core/library/set_lists.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/slide_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace ui {

RestoreControls::RestoreControls(QWidget* window, QLabel* confirmation,
                                 const core::Library& library, Design design)
    : QObject(window), show_button_(gui::named(new QPushButton(tr("Install Backup"), window),
                                               design.show_button_name)),
      sets_(gui::named(new QListWidget(window), "lst_backup")),
      install_(gui::named(new QPushButton(tr("Install"), window), "btn_installbackup")),
      window_(window), confirmation_(confirmation), library_(library), design_(design) {
    sets_->setSelectionMode(QAbstractItemView::SingleSelection);

    connect(show_button_, &QPushButton::clicked, this, &RestoreControls::show_sets);
    connect(install_, &QPushButton::clicked, this, &RestoreControls::install_selected_set);
}

void RestoreControls::show_sets() {
    slide_window_width(window_, design_.narrow_width, design_.wide_width, SlideDirection::open);
    sets_->clear();
    const auto names = core::read_set_names(library_, design_.kind);
    message_box::show(names.messages());
    if (!names)
        return;
    QStringList rows;
    for (const auto& name : *names)
        rows.append(gui::qtext(name));
    sets_->addItems(rows);
}

void RestoreControls::install_selected_set() {
    const auto selected = sets_->selectedItems();
    const QString set_name = selected.isEmpty() ? QString() : selected.first()->text();
    const auto restored =
        core::restore_backup_set(library_, {design_.kind, gui::core_text(set_name)});
    message_box::show(restored.messages());
    if (!restored)
        return;
    confirmation_->setText(design_.confirmation(set_name));
    slide_window_width(window_, design_.wide_width, design_.narrow_width, SlideDirection::shut);
}

} // namespace ui

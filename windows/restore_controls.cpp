#include "windows/restore_controls.h"

#include "library/set_lists.h"
#include "windows/slide_window.h"
#include "windows/text.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

RestoreControls::RestoreControls(QWidget* window, QLabel* lbl_confirm, Design design)
    : QObject(window), show_button(new QPushButton(tr("Install Backup"), window)),
      lst_backup(new QListWidget(window)),
      btn_installbackup(new QPushButton(tr("Install"), window)), window(window),
      lbl_confirm(lbl_confirm), design(std::move(design)) {
    show_button->setObjectName(QString::fromLatin1(this->design.show_button_name));
    lst_backup->setObjectName(QStringLiteral("lst_backup"));
    btn_installbackup->setObjectName(QStringLiteral("btn_installbackup"));
    lst_backup->setSelectionMode(QAbstractItemView::SingleSelection);
}

void RestoreControls::show_sets() {
    slide_window_width(window, design.narrow_width, design.wide_width, SlideDirection::open);
    lst_backup->clear();
    QStringList names;
    for (const auto& name : library::read_set_names(design.set_list()))
        names.append(qtext(name));
    lst_backup->addItems(names);
}

void RestoreControls::install_selected_set() {
    const auto selected = lst_backup->selectedItems();
    const QString set_name = selected.isEmpty() ? QString() : selected.first()->text();
    if (!design.restore(local_text(set_name)))
        return;
    lbl_confirm->setText(design.confirmation(set_name));
    slide_window_width(window, design.wide_width, design.narrow_width, SlideDirection::shut);
}

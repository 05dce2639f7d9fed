#include "windows/install_window.h"

#include "library/model_install.h"
#include "platform/console.h"
#include "windows/slide_window.h"
#include "windows/text.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

InstallWindow::InstallWindow(const char* name, const QString& caption, int client_width,
                             int client_height, RestoreControls::Design restore_design)
    : ChildWindow(name, caption, client_width, client_height),
      btn_install(new QPushButton(tr("&Install"), this)), btn_ok(new QPushButton(tr("&Ok"), this)),
      Label1(new QLabel(tr("Select the model you would like to install and click install."), this)),
      cmb_model_type(new QComboBox(this)), lst_models(new QListWidget(this)),
      lbl_confirm(new QLabel(this)), cmd_preview(new QPushButton(tr("&Preview"), this)) {
    const int narrow_width = restore_design.narrow_width;
    restore = new RestoreControls(this, lbl_confirm, std::move(restore_design));

    btn_install->setObjectName(QStringLiteral("btn_install"));
    btn_ok->setObjectName(QStringLiteral("btn_ok"));
    Label1->setObjectName(QStringLiteral("Label1"));
    cmb_model_type->setObjectName(QStringLiteral("cmb_model_type"));
    lst_models->setObjectName(QStringLiteral("lst_models"));
    lbl_confirm->setObjectName(QStringLiteral("lbl_confirm"));
    cmd_preview->setObjectName(QStringLiteral("cmd_preview"));
    for (QLabel* label : {Label1, lbl_confirm}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    lst_models->setSelectionMode(QAbstractItemView::SingleSelection);
    lst_models->setUniformItemSizes(true); // keeps a list of thousands of models quick to fill

    // The restore controls lie just beyond the right edge until the window slides open.
    set_outer_width(this, narrow_width);

    connect(btn_ok, &QPushButton::clicked, this, &InstallWindow::btn_ok_Click);
}

std::string InstallWindow::model_type() const {
    return local_text(cmb_model_type->currentText());
}

std::string InstallWindow::model_name() const {
    const auto selected = lst_models->selectedItems();
    return selected.isEmpty() ? std::string() : local_text(selected.first()->text());
}

void InstallWindow::fill_models(const std::string& folder) {
    QStringList rows;
    for (const auto& name : library::list_models(folder))
        rows.append(qtext(name));
    const QSignalBlocker blocker(lst_models);
    lst_models->clear();
    lst_models->addItems(rows);
}

void InstallWindow::btn_ok_Click() {
    close();
}

void InstallWindow::Form_Unload() {
    platform::release_console();
}

#include "ui/install_window.h"

#include "core/model_install.h"
#include "core/preview.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/slide_window.h"
#include "ui/text.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace ui {

InstallWindow::InstallWindow(const char* name, const QString& caption, int client_width,
                             int client_height, RestoreControls::Design restore_design)
    : ChildWindow(name, caption, client_width, client_height), kind_(restore_design.kind),
      opening_width_(restore_design.narrow_width) {
    auto* confirmation = wrapping(named(new QLabel(this), "lbl_confirm"));
    controls_ = {
        named(new QPushButton(tr("&Install"), this), "btn_install"),
        named(new QPushButton(tr("&Ok"), this), "btn_ok"),
        wrapping(named(
            new QLabel(tr("Select the model you would like to install and click install."), this),
            "Label1")),
        named(new QComboBox(this), "cmb_model_type"),
        named(new QListWidget(this), "lst_models"),
        confirmation,
        named(new QPushButton(tr("&Preview"), this), "cmd_preview"),
        new RestoreControls(this, confirmation, restore_design),
    };
    controls_.models->setSelectionMode(QAbstractItemView::SingleSelection);
    controls_.models->setUniformItemSizes(true); // keeps a list of thousands of models quick

    // The restore controls lie just beyond the right edge until the window slides open.
    set_outer_width(this, opening_width_);

    connect(controls_.ok, &QPushButton::clicked, this, &QWidget::close);
    connect(controls_.model_types, &QComboBox::activated, this, &InstallWindow::list_models);
    connect(controls_.preview, &QPushButton::clicked, this, &InstallWindow::preview_model);
}

std::string InstallWindow::model_type() const {
    return core_text(controls_.model_types->currentText());
}

std::string InstallWindow::model_name() const {
    const auto selected = controls_.models->selectedItems();
    return selected.isEmpty() ? std::string() : core_text(selected.first()->text());
}

void InstallWindow::list_models() {
    QStringList rows;
    for (const auto& name : core::list_models(kind_, model_type()))
        rows.append(qtext(name));
    const QSignalBlocker blocker(controls_.models);
    controls_.models->clear();
    controls_.models->addItems(rows);
}

void InstallWindow::showEvent(QShowEvent* event) {
    if (!shown_)
        set_outer_width(this, opening_width_);
    shown_ = true;
    ChildWindow::showEvent(event);
}

void InstallWindow::preview_model() {
    message_box::show(core::preview_library_model(kind_, model_type(), model_name()).messages());
}

void InstallWindow::before_closing() {
    release_console();
}

} // namespace ui

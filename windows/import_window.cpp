#include "windows/import_window.h"

#include "windows/controls.h"
#include "windows/geometry.h"
#include "windows/message_box.h"
#include "windows/source_browser.h"
#include "windows/text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

ImportWindow::ImportWindow(const Design& design, library::Settings& settings)
    : ChildWindow(design.name, design.caption, design.client_width, design.client_height),
      model_name_(named(new QLineEdit(this), "player_comment")),
      confirmation_(wrapping(named(new QLabel(this), "lbl_confirm"))),
      browser_(new SourceBrowser(this, confirmation_, design.kind, settings)), settings_(settings) {
    auto* ok = named(new QPushButton(tr("&Ok"), this), "btn_ok");
    auto* import = named(new QPushButton(tr("&Import"), this), "btn_import");
    auto* instructions = wrapping(named(new QLabel(design.instructions, this), "Label1"));

    geometry::place(model_name_, 0, 0, 4695, 405);
    geometry::place(ok, 3480, 3720, 1215, 495);
    geometry::place(import, 2160, 2760, 1215, 495);
    geometry::place(instructions, 0, 480, 4695, 495);
    const QRect& confirmation = design.confirmation;
    geometry::place(confirmation_, confirmation.x(), confirmation.y(), confirmation.width(),
                    confirmation.height());
    QList<QWidget*> tab_order{model_name_, ok, import};
    tab_order.append(browser_->controls_in_tab_order());
    geometry::set_tab_order(tab_order);

    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(import, &QPushButton::clicked, this, &ImportWindow::import_picked_file);
}

void ImportWindow::open_first_folder() {
    browser_->open_first_folder();
}

void ImportWindow::import_picked_file() {
    confirmation_->clear();
    const auto imported = import(
        {browser_->source_folder(), browser_->picked_file(), local_text(model_name_->text())},
        settings_);
    message_box::show(imported.messages());
    if (imported && imported->confirmed)
        confirmation_->setText(model_name_->text() + tr(" imported"));
}

void ImportWindow::before_closing() {
    release_console();
}

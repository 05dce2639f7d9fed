#include "ui/import_window.h"

#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/source_browser.h"
#include "ui/text.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

ImportWindow::ImportWindow(const Design& design, core::Settings& settings)
    : ChildWindow(design.name, design.caption, design.client_width, design.client_height),
      model_name_(named(new QLineEdit(this), "player_comment")),
      confirmation_(wrapping(named(new QLabel(this), "lbl_confirm"))),
      browser_(new SourceBrowser(this, confirmation_, design.kind, settings)), settings_(settings) {
    auto* ok = named(new QPushButton(tr("&Ok"), this), "btn_ok");
    auto* import = named(new QPushButton(tr("&Import"), this), "btn_import");
    auto* instructions = wrapping(named(new QLabel(design.instructions, this), "Label1"));

    twips::place(model_name_, 0, 0, 4695, 405);
    twips::place(ok, 3480, 3720, 1215, 495);
    twips::place(import, 2160, 2760, 1215, 495);
    twips::place(instructions, 0, 480, 4695, 495);
    const QRect& confirmation = design.confirmation;
    twips::place(confirmation_, confirmation.x(), confirmation.y(), confirmation.width(),
                 confirmation.height());
    QList<QWidget*> tab_order{model_name_, ok, import};
    tab_order.append(browser_->controls_in_tab_order());
    twips::set_tab_order(tab_order);

    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    connect(import, &QPushButton::clicked, this, &ImportWindow::import_picked_file);
}

void ImportWindow::open_first_folder() {
    browser_->open_first_folder();
}

void ImportWindow::import_picked_file() {
    confirmation_->clear();
    const auto imported =
        import({browser_->source_folder(), browser_->picked_file(), core_text(model_name_->text())},
               settings_);
    message_box::show(imported.messages());
    if (imported && imported->confirmed)
        confirmation_->setText(model_name_->text() + tr(" imported"));
}

void ImportWindow::before_closing() {
    release_console();
}

} // namespace ui

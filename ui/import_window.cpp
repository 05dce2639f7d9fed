#include "ui/import_window.h"

#include "core/sources/source_folders.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/source_browser.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

ImportWindow::ImportWindow(const Design& design, const core::Library& library)
    : ChildWindow(design.name, design.caption, design.client_width, design.client_height,
                  Console::held),
      model_name_(gui::named(new QLineEdit(this), "player_comment")),
      confirmation_(gui::wrapping(gui::named(new QLabel(this), "lbl_confirm"))),
      browser_(new SourceBrowser(this, confirmation_, design.kind, library)), library_(library),
      kind_(design.kind) {
    auto* ok = gui::named(new QPushButton(tr("&Ok"), this), "btn_ok");
    auto* import = gui::named(new QPushButton(tr("&Import"), this), "btn_import");
    auto* instructions = gui::wrapping(gui::named(new QLabel(design.instructions, this), "Label1"));

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
    const auto& folder = browser_->source_folder();
    const auto imported =
        import({folder, browser_->picked_file(), gui::core_text(model_name_->text())});
    message_box::show(imported.messages());
    if (!imported)
        return;
    core::remember_source_folder(library_, kind_, *folder);
    if (imported->confirmed)
        confirmation_->setText(model_name_->text() + tr(" imported"));
}

} // namespace ui

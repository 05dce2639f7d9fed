#include "ui/import_window.h"

#include "core/sources/source_folders.h"
#include "gui/controls.h"
#include "gui/text.h"
#include "ui/message_box.h"
#include "ui/source_browser.h"
#include "ui/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace ui {

ImportWindow::ImportWindow(const Design& design, const core::Library& library)
    : ChildWindow(design.name, design.caption, design.client_width, design.client_height,
                  Console::held),
      model_name_(gui::named(new QLineEdit(this), "player_comment")),
      confirmation_(gui::wrapping(gui::named(new QLabel(this), "lbl_confirm"))),
      browser_(new SourceBrowser(
          this, confirmation_, design.kind, library,
          [this](const std::string& file, const std::vector<std::string>& listed) {
              return takes_import_as(file, listed) ? tr("The game uses no file of this name: "
                                                        "right-click it to import it as one of "
                                                        "the game's models.")
                                                   : QString();
          })),
      import_as_menu_(gui::named(new QMenu(this), "menu_import_as")), library_(library),
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
    connect(import, &QPushButton::clicked, this, [this] {
        confirmation_->clear();
        show_import(this->import(request()));
    });
    connect(browser_, &SourceBrowser::file_menu_requested, this,
            [this](const QPoint& at) { import_as_menu_->popup(at); });
}

void ImportWindow::open_first_folder() {
    // A heading every style draws: some draw a section's text, others only its line.
    import_as_menu_->addAction(tr("Import as"))->setEnabled(false);
    import_as_menu_->addSeparator();
    for (const auto& name : names_to_import_as()) {
        auto* action = import_as_menu_->addAction(gui::qtext(name));
        action->setObjectName(gui::qtext("import_as_" + name));
        connect(action, &QAction::triggered, this, [this, name] {
            confirmation_->clear();
            show_import(import_as(request(), name));
        });
    }
    browser_->open_first_folder();
}

core::ImportRequest ImportWindow::request() const {
    return {browser_->source_folder(), browser_->picked_file(),
            gui::core_text(model_name_->text())};
}

void ImportWindow::show_import(const core::Result<core::Imported>& imported) {
    message_box::show(imported.messages());
    if (!imported)
        return;
    core::remember_source_folder(library_, kind_, *browser_->source_folder());
    if (imported->confirmed)
        confirmation_->setText(model_name_->text() + tr(" imported"));
}

} // namespace ui

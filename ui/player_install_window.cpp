#include "ui/player_install_window.h"

#include "gui/text.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace ui {

using core::ModelKind;

PlayerInstallWindow::PlayerInstallWindow(const core::Library& library)
    : InstallWindow("install_player", tr("Install Player Model"), 3240, 3765, library,
                    {"btn_showbackup", ModelKind::player, 3330, 5130, [](const QString& set_name) {
                         return tr("Backup %1 installed").arg(set_name);
                     }}) {
    const auto& c = controls();
    for (const auto& type : core::player_types)
        c.model_types->addItem(gui::qtext(type));
    c.model_types->setCurrentIndex(-1);

    twips::place(c.install, 1920, 2040, 1215, 495);
    twips::place(c.ok, 1920, 2640, 1215, 495);
    twips::place(c.instructions, 1920, 480, 1215, 1215);
    twips::place(c.model_types, 1920, 120, 1215, 315);
    twips::place(c.models, 120, 120, 1695, 2985);
    twips::place(c.confirmation, 120, 3240, 1815, 495);
    twips::place(c.restore->show_button(), 1920, 3240, 1215, 495);
    twips::place(c.restore->set_list(), 3240, 120, 1695, 2985);
    twips::place(c.restore->install_button(), 3480, 3240, 1215, 495);
    twips::place(c.preview, 1920, 1440, 1215, 495);
    twips::set_tab_order({c.install, c.ok, c.model_types, c.models, c.restore->show_button(),
                          c.restore->set_list(), c.restore->install_button(), c.preview});
}

std::vector<std::string> PlayerInstallWindow::files_to_install() const {
    return core::model_files(ModelKind::player, model_type());
}

QString PlayerInstallWindow::installed_text(const core::LibraryModel& model) const {
    return tr("%1 model %2 installed").arg(gui::qtext(model.type), gui::qtext(model.name));
}

} // namespace ui

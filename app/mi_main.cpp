#include "app/mi_main.h"

#include "app/app_icon.h"
#include "app/frmAbout.h"
#include "app/mi_rme.h"
#include "library/application.h"
#include "library/library_tree.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"
#include "platform/settings_store.h"
#include "windows/geometry.h"
#include "windows/import_player.h"
#include "windows/import_weapon.h"
#include "windows/install_player.h"
#include "windows/install_weapon.h"
#include "windows/mi_back.h"

#include <QMenuBar>

#include <algorithm>

namespace {

QAction* add_item(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* add_menu(QWidget* parent_menu, const char* name, const QString& caption) {
    auto* menu = new QMenu(caption, parent_menu);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

mi_main::mi_main() {
    setObjectName(QStringLiteral("mi_main"));
    setWindowTitle(QString::fromLatin1(library::app_title));
    setWindowIcon(app_icon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    MI_File = add_menu(menuBar(), "MI_File", tr("&File"));
    mi_exit = add_item(MI_File, "mi_exit", tr("E&xit"));
    mi_model = add_menu(menuBar(), "mi_model", tr("&Model"));
    mi_backup = add_item(mi_model, "mi_backup", tr("&Backup"));
    mi_import = add_menu(mi_model, "mi_import", tr("&Import"));
    mi_import_player = add_item(mi_import, "mi_import_player", tr("&Player"));
    mi_import_weapon = add_item(mi_import, "mi_import_weapon", tr("&Weapon"));
    mi_model_install = add_menu(mi_model, "mi_model_install", tr("I&nstall"));
    mi_install_player = add_item(mi_model_install, "mi_install_player", tr("Player Model"));
    mi_install_weapon = add_item(mi_model_install, "mi_install_weapon", tr("Weapon Model"));
    mi_help = add_menu(menuBar(), "mi_help", tr("&Help"));
    mi_readme = add_item(mi_help, "mi_readme", tr("&Readme"));
    mi_about = add_item(mi_help, "mi_about", tr("&About"));

    menuBar()->addMenu(MI_File);
    menuBar()->addMenu(mi_model);
    mi_model->addMenu(mi_import);
    mi_model->addMenu(mi_model_install);
    menuBar()->addMenu(mi_help);

    connect(mi_exit, &QAction::triggered, this, &mi_main::mi_exit_Click);
    connect(mi_backup, &QAction::triggered, this, &mi_main::mi_backup_Click);
    connect(mi_import_player, &QAction::triggered, this, &mi_main::mi_import_player_Click);
    connect(mi_import_weapon, &QAction::triggered, this, &mi_main::mi_import_weapon_Click);
    connect(mi_install_player, &QAction::triggered, this, &mi_main::mi_install_player_Click);
    connect(mi_install_weapon, &QAction::triggered, this, &mi_main::mi_install_weapon_Click);
    connect(mi_readme, &QAction::triggered, this, &mi_main::mi_readme_Click);
    connect(mi_about, &QAction::triggered, this, &mi_main::mi_about_Click);

    // The client area below the menu bar is a mere strip: the window is its title and menu bar.
    // It is made wide enough for the whole menu bar, which would otherwise hide Help behind an
    // overflow button.
    auto* client = new QWidget(this);
    client->setFixedSize(std::max(geometry::pixels(1785), menuBar()->sizeHint().width()),
                         geometry::pixels(30));
    setCentralWidget(client);
    setFixedSize(client->width(), menuBar()->heightForWidth(client->width()) + client->height());

    Form_Load();
}

void mi_main::Form_Load() {
    const std::string application = library::app_title;
    if (platform::read_setting(application, "settings", "install path", "").empty())
        platform::write_setting(application, "settings", "install path",
                                platform::program_folder());
    if (!platform::exists(platform::program_folder() + "\\models"))
        library::create_library_tree();
}

template <typename Window> void mi_main::open(QPointer<Window>& window) {
    if (!window) {
        window = new Window;
        connect(window, &ChildWindow::unloaded, this, &QWidget::show);
        // A closed window is gone, even before its deletion has come round.
        connect(window, &ChildWindow::unloaded, this, [&window] { window = nullptr; });
    }
    window->show();
    window->activateWindow();
    hide();
}

void mi_main::mi_exit_Click() {
    close();
}

void mi_main::mi_backup_Click() {
    open(back_window);
}

void mi_main::mi_import_player_Click() {
    open(import_player_window);
}

void mi_main::mi_import_weapon_Click() {
    open(import_weapon_window);
}

void mi_main::mi_install_player_Click() {
    open(install_player_window);
}

void mi_main::mi_install_weapon_Click() {
    open(install_weapon_window);
}

void mi_main::mi_readme_Click() {
    open(readme_window);
}

void mi_main::mi_about_Click() {
    open(about_window);
}

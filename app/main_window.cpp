#include "app/main_window.h"

#include "app/about_window.h"
#include "app/app_icon.h"
#include "app/readme_window.h"
#include "gui/application.h"
#include "gui/controls.h"
#include "ui/backup_window.h"
#include "ui/check_window.h"
#include "ui/message_box.h"
#include "ui/player_import_window.h"
#include "ui/player_install_window.h"
#include "ui/twips.h"
#include "ui/weapon_import_window.h"
#include "ui/weapon_install_window.h"

#include <QMenuBar>

#include <algorithm>

namespace app {

namespace {

QMenu* add_menu(QWidget* parent_menu, const char* name, const QString& caption) {
    auto* menu = gui::named(new QMenu(caption, parent_menu), name);
    gui::named(menu->menuAction(), name);
    return menu;
}

QAction* add_item(QMenu* menu, const char* name, const QString& caption) {
    return gui::named(menu->addAction(caption), name);
}

} // namespace

MainWindow::MainWindow(platform::Path program_folder)
    : library_(std::move(program_folder), settings_) {
    setObjectName(QStringLiteral("mi_main"));
    setWindowTitle(QString::fromLatin1(gui::app_title));
    setWindowIcon(app_icon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    build_menu_bar();

    // The client area below the menu bar is a mere strip: the window is its title and menu bar.
    // It is made wide enough for the whole menu bar, which would otherwise hide Help behind an
    // overflow button.
    auto* client = new QWidget(this);
    client->setFixedSize(std::max(ui::twips::to_pixels(1785), menuBar()->sizeHint().width()),
                         ui::twips::to_pixels(30));
    setCentralWidget(client);
    setFixedSize(client->width(), menuBar()->heightForWidth(client->width()) + client->height());
}

void MainWindow::build_menu_bar() {
    auto* file = add_menu(menuBar(), "MI_File", tr("&File"));
    auto* exit = add_item(file, "mi_exit", tr("E&xit"));
    auto* model = add_menu(menuBar(), "mi_model", tr("&Model"));
    auto* backup = add_item(model, "mi_backup", tr("&Backup"));
    auto* import = add_menu(model, "mi_import", tr("&Import"));
    auto* import_player = add_item(import, "mi_import_player", tr("&Player"));
    auto* import_weapon = add_item(import, "mi_import_weapon", tr("&Weapon"));
    auto* install = add_menu(model, "mi_model_install", tr("I&nstall"));
    auto* install_player = add_item(install, "mi_install_player", tr("Player Model"));
    auto* install_weapon = add_item(install, "mi_install_weapon", tr("Weapon Model"));
    auto* check = add_item(model, "mi_check", tr("&Check"));
    auto* help = add_menu(menuBar(), "mi_help", tr("&Help"));
    auto* readme = add_item(help, "mi_readme", tr("&Readme"));
    auto* about = add_item(help, "mi_about", tr("&About"));
    menuBar()->addMenu(file);
    menuBar()->addMenu(model);
    model->insertMenu(check, import);
    model->insertMenu(check, install);
    menuBar()->addMenu(help);

    connect(exit, &QAction::triggered, this, &QWidget::close);
    connect(backup, &QAction::triggered, this, [this] { open(backup_window_, library_); });
    connect(import_player, &QAction::triggered, this,
            [this] { open(player_import_window_, library_); });
    connect(import_weapon, &QAction::triggered, this,
            [this] { open(weapon_import_window_, library_); });
    connect(install_player, &QAction::triggered, this,
            [this] { open(player_install_window_, library_); });
    connect(install_weapon, &QAction::triggered, this,
            [this] { open(weapon_install_window_, library_); });
    connect(check, &QAction::triggered, this, [this] { open(check_window_, library_); });
    connect(readme, &QAction::triggered, this, [this] { open(readme_window_, library_); });
    connect(about, &QAction::triggered, this, [this] { open(about_window_); });
}

template <typename Window, typename... Arguments>
void MainWindow::open(QPointer<Window>& window, Arguments&... arguments) {
    if (!window) {
        window = new Window(arguments...);
        connect(window, &ui::ChildWindow::unloaded, this, &QWidget::show);
        // A closed window is gone, even before its deletion has come round.
        connect(window, &ui::ChildWindow::unloaded, this, [&window] { window = nullptr; });
    }
    window->show();
    window->activateWindow();
    hide();
}

} // namespace app

#include "app/main_window.h"

#include "app/about_window.h"
#include "app/app_icon.h"
#include "app/readme_window.h"
#include "gui/application.h"
#include "gui/controls.h"
#include "gui/language.h"
#include "ui/backup_window.h"
#include "ui/check_window.h"
#include "ui/message_box.h"
#include "ui/player_import_window.h"
#include "ui/player_install_window.h"
#include "ui/twips.h"
#include "ui/weapon_import_window.h"
#include "ui/weapon_install_window.h"

#include <QActionGroup>
#include <QEvent>
#include <QMenuBar>

#include <algorithm>

namespace app {

MainWindow::MainWindow(platform::Path program_folder)
    : library_(std::move(program_folder), settings_) {
    setObjectName(QStringLiteral("mi_main"));
    setWindowTitle(QString::fromLatin1(gui::app_title));
    setWindowIcon(app_icon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    build_menu_bar();
    setCentralWidget(new QWidget(this));
    word_menus();
}

MainWindow::~MainWindow() {
    const auto close = [this](ui::ChildWindow* window) {
        if (!window)
            return;
        window->disconnect(this);
        window->close(); // as the user would, so that it keeps what it keeps then
        delete window;
    };
    close(backup_window_);
    close(player_import_window_);
    close(weapon_import_window_);
    close(player_install_window_);
    close(weapon_install_window_);
    close(check_window_);
    close(readme_window_);
    close(about_window_);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        word_menus();
    QMainWindow::changeEvent(event);
}

void MainWindow::build_menu_bar() {
    const auto add_menu = [this](QWidget* parent, const char* name, const char* caption) {
        auto* menu = gui::named(new QMenu(parent), name);
        gui::named(menu->menuAction(), name);
        captions_.emplace_back(menu->menuAction(), caption);
        return menu;
    };
    const auto add_item = [this](QMenu* menu, const char* name, const char* caption) {
        auto* item = gui::named(menu->addAction(QString()), name);
        captions_.emplace_back(item, caption);
        return item;
    };
    auto* file = add_menu(menuBar(), "MI_File", QT_TR_NOOP("&File"));
    auto* exit = add_item(file, "mi_exit", QT_TR_NOOP("E&xit"));
    auto* model = add_menu(menuBar(), "mi_model", QT_TR_NOOP("&Model"));
    auto* backup = add_item(model, "mi_backup", QT_TR_NOOP("&Backup"));
    auto* import = add_menu(model, "mi_import", QT_TR_NOOP("&Import"));
    auto* import_player = add_item(import, "mi_import_player", QT_TR_NOOP("&Player"));
    auto* import_weapon = add_item(import, "mi_import_weapon", QT_TR_NOOP("&Weapon"));
    auto* install = add_menu(model, "mi_model_install", QT_TR_NOOP("I&nstall"));
    auto* install_player = add_item(install, "mi_install_player", QT_TR_NOOP("Player Model"));
    auto* install_weapon = add_item(install, "mi_install_weapon", QT_TR_NOOP("Weapon Model"));
    auto* check = add_item(model, "mi_check", QT_TR_NOOP("&Check"));
    auto* help = add_menu(menuBar(), "mi_help", QT_TR_NOOP("&Help"));
    auto* readme = add_item(help, "mi_readme", QT_TR_NOOP("&Readme"));
    auto* about = add_item(help, "mi_about", QT_TR_NOOP("&About"));
    auto* language = add_menu(help, "mi_language", QT_TR_NOOP("&Language"));
    menuBar()->addMenu(file);
    menuBar()->addMenu(model);
    model->insertMenu(check, import);
    model->insertMenu(check, install);
    menuBar()->addMenu(help);
    help->addMenu(language);
    build_language_menu(language);

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

// The system's language, or one of Tessary's: the choice is kept, and every window speaks it at
// once, as the menu says.
void MainWindow::build_language_menu(QMenu* menu) {
    menu->setToolTipsVisible(true);
    auto* group = new QActionGroup(menu);
    const QString chosen = gui::chosen_language(settings_);
    const auto add = [&](const QString& code, const QString& name) {
        auto* action = gui::named(menu->addAction(name),
                                  (QStringLiteral("language_") + code).toLatin1().constData());
        action->setCheckable(true);
        action->setChecked(code == (chosen.isEmpty() ? QStringLiteral("system") : chosen));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code] {
            gui::choose_language(settings_, code == QStringLiteral("system") ? QString() : code);
            gui::speak(gui::language_to_speak(settings_));
        });
        return action;
    };
    system_language_ = add(QStringLiteral("system"), QString());
    captions_.emplace_back(system_language_, QT_TR_NOOP("System language"));
    menu->addSeparator();
    for (const auto& language : gui::languages)
        add(QString::fromLatin1(language.code), QString::fromUtf8(language.name));
}

void MainWindow::word_menus() {
    for (const auto& [action, caption] : captions_)
        action->setText(tr(caption));
    const QString at_once = tr("Tessary speaks the language chosen at once.");
    for (auto* action : system_language_->actionGroup()->actions())
        action->setToolTip(at_once);
    fit_to_menu_bar();
}

// The client area below the menu bar is a mere strip: the window is its title and menu bar. It is
// made wide enough for the whole menu bar, which would otherwise hide Help behind an overflow
// button.
void MainWindow::fit_to_menu_bar() {
    auto* client = centralWidget();
    client->setFixedSize(std::max(ui::twips::to_pixels(1785), menuBar()->sizeHint().width()),
                         ui::twips::to_pixels(30));
    setFixedSize(client->width(), menuBar()->heightForWidth(client->width()) + client->height());
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

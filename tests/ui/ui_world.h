#pragma once

#include "app/main_window.h"
#include "test_world.h"
#include "windows_under_test.h"

#include <QApplication>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <utility>

// Deletes the windows that closed themselves.
void process_deferred_deletes();

void click(const QWidget* window, const char* button);
QString label(const QWidget* window, const char* name);

QStringList rows(const QListWidget* list); // top to bottom

// The windows a user opens from the main window's menus: each command's name and its window's.
inline constexpr std::pair<const char*, const char*> menu_windows[] = {
    {"mi_import_player", "import_player"},
    {"mi_import_weapon", "import_weapon"},
    {"mi_install_player", "install_player"},
    {"mi_install_weapon", "install_weapon"},
    {"mi_backup", "mi_back"},
    {"mi_check", "check"},
    {"mi_readme", "mi_rme"},
    {"mi_about", "frmAbout"}};

// Picks an entry of an install window's type list, or a row of its model list, as a click does.
void pick_type(QWidget* window, const QString& type);
void pick_model(QWidget* window, const QString& model);

// A test world in which Tessary's windows run: the settings store in its own folder, and every
// message box recorded in `messages` instead of shown.
class UiWorld : public TestWorld {
public:
    UiWorld();
    ~UiWorld();

    // Starts Tessary as the executable does.
    std::unique_ptr<app::MainWindow> start();

    // Chooses a menu command of the main window and gives back the window of that name it opened.
    static QWidget* open(const app::MainWindow& main_window, const char* command,
                         const char* window);

    std::vector<std::string> messages;
};

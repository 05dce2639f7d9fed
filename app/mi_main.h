#pragma once

#include <QMainWindow>
#include <QPointer>

class QAction;
class QMenu;
class frmAbout;
class import_player;
class import_weapon;
class install_player;
class install_weapon;
class mi_back;
class mi_rme;

// The main window: a menu bar and nothing else. Each command opens one window and hides the main
// window until that window closes; Exit or the close box ends the program.
class mi_main final : public QMainWindow {
    Q_OBJECT

public:
    mi_main();

    QMenu* MI_File;
    QAction* mi_exit;
    QMenu* mi_model;
    QAction* mi_backup;
    QMenu* mi_import;
    QAction* mi_import_player;
    QAction* mi_import_weapon;
    QMenu* mi_model_install;
    QAction* mi_install_player;
    QAction* mi_install_weapon;
    QMenu* mi_help;
    QAction* mi_readme;
    QAction* mi_about;

private:
    // Records the program folder and, on the first start in it, creates the library tree.
    void Form_Load();

    void mi_exit_Click();
    void mi_backup_Click();
    void mi_import_player_Click();
    void mi_import_weapon_Click();
    void mi_install_player_Click();
    void mi_install_weapon_Click();
    void mi_readme_Click();
    void mi_about_Click();

    // Shows the window, creating it unless it is open already, and hides this one.
    template <typename Window> void open(QPointer<Window>& window);

    QPointer<mi_back> back_window;
    QPointer<import_player> import_player_window;
    QPointer<import_weapon> import_weapon_window;
    QPointer<install_player> install_player_window;
    QPointer<install_weapon> install_weapon_window;
    QPointer<mi_rme> readme_window;
    QPointer<frmAbout> about_window;
};

#pragma once

#include "ui/settings_store.h"

#include <QMainWindow>
#include <QPointer>

namespace ui {
class BackupWindow;
class PlayerImportWindow;
class PlayerInstallWindow;
class WeaponImportWindow;
class WeaponInstallWindow;
} // namespace ui

namespace app {

class AboutWindow;
class ReadmeWindow;

// The main window: a menu bar and nothing else. Each command opens one window and hides the main
// window until that window closes; Exit or the close box ends the program. As it loads it records
// the program folder and, on the first start in a program folder, makes the library tree.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    MainWindow();

private:
    void build_menu_bar();

    // Shows the window, creating it unless it is open already, and hides this one.
    template <typename Window, typename... Arguments>
    void open(QPointer<Window>& window, Arguments&... arguments);

    ui::SettingsStore settings_;
    QPointer<ui::BackupWindow> backup_window_;
    QPointer<ui::PlayerImportWindow> player_import_window_;
    QPointer<ui::WeaponImportWindow> weapon_import_window_;
    QPointer<ui::PlayerInstallWindow> player_install_window_;
    QPointer<ui::WeaponInstallWindow> weapon_install_window_;
    QPointer<ReadmeWindow> readme_window_;
    QPointer<AboutWindow> about_window_;
};

} // namespace app

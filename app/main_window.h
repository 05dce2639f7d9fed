#pragma once

#include "core/library/library.h"
#include "gui/settings_store.h"

#include <QMainWindow>
#include <QPointer>

namespace ui {
class BackupWindow;
class CheckWindow;
class PlayerImportWindow;
class PlayerInstallWindow;
class WeaponImportWindow;
class WeaponInstallWindow;
} // namespace ui

namespace app {

class AboutWindow;
class ReadmeWindow;

// The main window: a menu bar and nothing else. Each command opens one window and hides the main
// window until that window closes; Exit or the close box ends the program. It holds the library
// in the program folder, with the user's settings, that every window works on.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(platform::Path program_folder);

    const core::Library& library() const { return library_; }

private:
    void build_menu_bar();

    // Shows the window, creating it unless it is open already, and hides this one.
    template <typename Window, typename... Arguments>
    void open(QPointer<Window>& window, Arguments&... arguments);

    gui::SettingsStore settings_;
    core::Library library_;
    QPointer<ui::BackupWindow> backup_window_;
    QPointer<ui::PlayerImportWindow> player_import_window_;
    QPointer<ui::WeaponImportWindow> weapon_import_window_;
    QPointer<ui::PlayerInstallWindow> player_install_window_;
    QPointer<ui::WeaponInstallWindow> weapon_install_window_;
    QPointer<ui::CheckWindow> check_window_;
    QPointer<ReadmeWindow> readme_window_;
    QPointer<AboutWindow> about_window_;
};

} // namespace app

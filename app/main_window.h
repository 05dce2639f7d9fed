#pragma once

#include "core/library/library.h"
#include "gui/settings_store.h"

#include <QMainWindow>
#include <QPointer>

#include <utility>
#include <vector>

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
    // Closes and deletes a window still open first, as it works on the library.
    ~MainWindow() override;

    const core::Library& library() const { return library_; }

protected:
    // The menus word themselves anew in the language chosen.
    void changeEvent(QEvent* event) override;

private:
    void build_menu_bar();
    void build_language_menu(QMenu* help);
    void word_menus();
    void fit_to_menu_bar();

    // Shows the window, creating it unless it is open already, and hides this one.
    template <typename Window, typename... Arguments>
    void open(QPointer<Window>& window, Arguments&... arguments);

    gui::SettingsStore settings_;
    // The menus and their commands, and the caption each is worded with.
    std::vector<std::pair<QAction*, const char*>> captions_;
    QAction* system_language_ = nullptr;
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

#include "app/startup.h"

#include "app/main_window.h"
#include "core/library/library_tree.h"
#include "core/program/start_up.h"
#include "gui/language.h"
#include "gui/settings_store.h"
#include "gui/window_font.h"
#include "platform/memory.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QScreen>

namespace app {

std::unique_ptr<MainWindow> start_tessary(platform::Path program_folder) {
    platform::keep_large_blocks_for_reuse();
    gui::use_window_font(gui::FontSize::layouts);
    gui::speak(gui::language_to_speak(gui::SettingsStore()));
    auto window = std::make_unique<MainWindow>(std::move(program_folder));
    const core::Library& library = window->library();
    if (const auto writable = core::check_program_folder(library); !writable) {
        ui::message_box::show(writable.messages());
        return nullptr;
    }
    ui::message_box::show(core::start_up(library).messages());
    if (const QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    return window;
}

} // namespace app

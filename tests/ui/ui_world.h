#pragma once

#include "app/mi_main.h"
#include "test_world.h"

#include <QApplication>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>

// Deletes the windows that closed themselves.
void process_deferred_deletes();

// The texts of a list's rows, top to bottom.
QStringList rows(const QListWidget* list);

class InstallWindow;

// Picks an entry of an install window's type list, or a row of its model list, as a click does.
void pick_type(InstallWindow* window, const QString& type);
void pick_model(InstallWindow* window, const QString& model);

// A test world in which Tessary's windows run: the settings store in its own folder, and every
// message box recorded in `messages` instead of shown.
class UiWorld : public TestWorld {
public:
    UiWorld();
    ~UiWorld();

    // Starts Tessary as the executable does.
    std::unique_ptr<mi_main> start();

    // Chooses a menu command of the main window and gives back the window it opened.
    template <typename Window> static Window* open(QAction* command) {
        process_deferred_deletes(); // as the event loop would have done before the user got here
        command->trigger();
        return top_level<Window>();
    }

    // The open window of that class, if any.
    template <typename Window> static Window* top_level() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<Window*>(widget))
                return window;
        }
        return nullptr;
    }

    std::string setting(const std::string& section, const std::string& key) const;

    // Saves a picture of the window where the build keeps them, for a person to look at.
    static void save_screenshot(QWidget* window, const QString& name);
};

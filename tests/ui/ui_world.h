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

// Deletes the windows that closed themselves.
void process_deferred_deletes();

void click(const QWidget* window, const char* button);
QString label(const QWidget* window, const char* name);

QWidget* top_level(const char* name); // the open window of that name, if any

QStringList rows(const QListWidget* list); // top to bottom

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

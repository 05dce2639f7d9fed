#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QWidget>

// What the tests of Tessary's windows and of the model viewer's do alike.

// The control of that name in the window; the test stops when there is none.
template <typename Control> Control* child(const QWidget* window, const char* name) {
    auto* control = window->findChild<Control*>(QString::fromLatin1(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// Saves a picture of the window as the user sees it, once the layouts it waits for are done,
// where the build keeps them for a person to look at.
inline void save_screenshot(QWidget* window, const QString& name) {
    QCoreApplication::processEvents();
    const QString folder = qEnvironmentVariable("TESSARY_SCREENSHOTS");
    if (!folder.isEmpty() && QDir().mkpath(folder))
        window->grab().save(folder + '/' + name + ".png");
}

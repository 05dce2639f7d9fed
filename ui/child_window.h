#pragma once

#include <QWidget>

namespace ui {

// A window that the main window opens: it stands alone, without an owner, at a fixed size, with
// a close box only. However it is closed, by its own close button or its close box, it brings the
// main window back and is deleted, so that it exists at most once and starts afresh next time.
class ChildWindow : public QWidget {
    Q_OBJECT

public:
    ChildWindow(const char* object_name, const QString& caption, int client_width,
                int client_height);

signals:
    // The window is closing: the main window shows itself again.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

    // The window's own work as it closes, before the main window comes back.
    virtual void before_closing() {}

    // For the windows with a Preview button: the console they hold while open, given up again
    // as they close.
    void hold_console();
    void release_console();
};

} // namespace ui

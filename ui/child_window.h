#pragma once

#include <QWidget>

namespace ui {

// A window that the main window opens: it stands alone, without an owner, at a fixed size in a
// frame without a sizing border, with a close box only. However it is closed, by its own close
// button or its close box, it brings the main window back and is deleted, so that it exists at
// most once and starts afresh next time.
class ChildWindow : public QWidget {
    Q_OBJECT

public:
    // A window with a Preview button holds a console while it is open, so that a console viewer
    // started from it has somewhere to write.
    enum class Console { none, held };

    ChildWindow(const char* object_name, const QString& caption, int client_width,
                int client_height, Console console = Console::none);

signals:
    // The window is closing: the main window shows itself again.
    void unloaded();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Console console_;
    bool console_held_ = false;
};

} // namespace ui

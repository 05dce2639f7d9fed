#include "ui/child_window.h"

#include "core/program/preview.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QCloseEvent>

namespace ui {

ChildWindow::ChildWindow(const char* object_name, const QString& caption, int client_width,
                         int client_height, Console console)
    // The layouts' outer widths count on the thin frame Windows gives a window of fixed size.
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      console_(console) {
    setObjectName(QString::fromLatin1(object_name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    twips::set_client_size(this, client_width, client_height);
}

void ChildWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (console_ != Console::held || console_held_)
        return;
    console_held_ = true;
    const auto console = core::hold_console();
    message_box::show(console.messages());
    if (console && *console) {
        // The console took the focus as it appeared; the window takes it back at once.
        raise();
        activateWindow();
    }
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    if (console_held_)
        core::release_console();
    console_held_ = false;
    emit unloaded();
    event->accept();
}

} // namespace ui

#include "ui/child_window.h"

#include "core/preview.h"
#include "ui/message_box.h"
#include "ui/twips.h"

#include <QCloseEvent>

namespace ui {

ChildWindow::ChildWindow(const char* object_name, const QString& caption, int client_width,
                         int client_height)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(object_name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    twips::set_client_size(this, client_width, client_height);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    before_closing();
    emit unloaded();
    event->accept();
}

void ChildWindow::hold_console() {
    const auto console = core::hold_console();
    message_box::show(console.messages());
    if (console && *console) {
        // The console took the focus as it appeared; the window takes it back at once.
        show();
        update();
    }
}

void ChildWindow::release_console() {
    core::release_console();
}

} // namespace ui

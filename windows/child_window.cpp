#include "windows/child_window.h"

#include "library/application.h"
#include "platform/console.h"
#include "windows/geometry.h"

#include <QCloseEvent>

ChildWindow::ChildWindow(const char* object_name, const QString& caption, int client_width,
                         int client_height)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint) {
    setObjectName(QString::fromLatin1(object_name));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    geometry::set_client_size(this, client_width, client_height);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    Form_Unload();
    emit unloaded();
    event->accept();
}

void ChildWindow::set_up_console() {
    if (platform::set_up_console(library::app_title)) {
        // The console took the focus as it appeared; the window takes it back at once.
        show();
        update();
    }
}

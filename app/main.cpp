#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "core/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(core::app_title));
    QApplication::setWindowIcon(app::app_icon());
    const auto main_window = app::start_tessary();
    if (!main_window)
        return 1;
    return QApplication::exec();
}

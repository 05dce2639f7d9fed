#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "gui/application.h"
#include "platform/program_folder.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(gui::app_title));
    QApplication::setWindowIcon(app::app_icon());
    const auto main_window = app::start_tessary(platform::executable_folder());
    if (!main_window)
        return 1;
    return QApplication::exec();
}

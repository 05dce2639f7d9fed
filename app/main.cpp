#include "app/app_icon.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "library/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(library::app_title));
    QApplication::setWindowIcon(app_icon());
    const auto main_window = start_tessary();
    return QApplication::exec();
}

#include "gui/language.h"
#include "gui/settings_store.h"
#include "gui/window_font.h"
#include "viewer/viewer_window.h"

#include <QApplication>

// Shows the model file named by the one argument, or an empty window to open one in.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessary model viewer"));
    gui::use_window_font(gui::FontSize::system);
    gui::speak(gui::language_to_speak(gui::SettingsStore()));
    const QStringList arguments = QApplication::arguments();
    viewer::ViewerWindow window(arguments.size() > 1 ? arguments.at(1) : QString());
    window.show();
    return QApplication::exec();
}

#include "ui_world.h"

#include "app/message_box.h"
#include "app/startup.h"
#include "library/application.h"
#include "platform/settings_store.h"
#include "windows/child_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPixmap>

UiWorld::UiWorld() {
    platform::set_settings_folder((root / "settings").string());
    message_box::record_instead(&messages);
}

UiWorld::~UiWorld() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ChildWindow*>(widget))
            widget->close();
    }
    process_deferred_deletes();
    message_box::record_instead(nullptr);
}

std::unique_ptr<mi_main> UiWorld::start() {
    return start_tessary();
}

std::string UiWorld::setting(const std::string& section, const std::string& key) const {
    return platform::read_setting(library::app_title, section, key, "<none>");
}

void UiWorld::save_screenshot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("TESSARY_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    window->grab().save(folder + '/' + name + ".png");
}

void process_deferred_deletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

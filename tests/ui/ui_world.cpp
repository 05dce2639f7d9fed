#include "ui_world.h"

#include "app/message_box.h"
#include "app/startup.h"
#include "library/application.h"
#include "platform/settings_store.h"
#include "windows/child_window.h"
#include "windows/install_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPixmap>
#include <QtTest>

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

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void pick_type(InstallWindow* window, const QString& type) {
    const int index = window->cmb_model_type->findText(type);
    QVERIFY2(index >= 0, qPrintable(type));
    window->cmb_model_type->setCurrentIndex(index);
    emit window->cmb_model_type->activated(index);
}

void pick_model(InstallWindow* window, const QString& model) {
    const auto found = window->lst_models->findItems(model, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(model));
    window->lst_models->setCurrentItem(found.first());
}

#include "ui_world.h"

#include "app/startup.h"
#include "gui/language.h"
#include "gui/settings_store.h"
#include "ui/child_window.h"
#include "ui/message_box.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

UiWorld::UiWorld() {
    gui::SettingsStore::move_to((root / "settings").string());
    // The windows speak English, as designed, whatever the language of the machine the tests run
    // on; the tests of the translations choose theirs.
    gui::SettingsStore settings;
    gui::choose_language(settings, QStringLiteral("en"));
    ui::message_box::record_instead(&messages);
}

UiWorld::~UiWorld() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<ui::ChildWindow*>(widget))
            widget->close();
    }
    process_deferred_deletes();
    ui::message_box::record_instead(nullptr);
}

std::unique_ptr<app::MainWindow> UiWorld::start() {
    return app::start_tessary(system_path(program));
}

QWidget* UiWorld::open(const app::MainWindow& main_window, const char* command,
                       const char* window) {
    process_deferred_deletes(); // as the event loop would have done before the user got here
    child<QAction>(&main_window, command)->trigger();
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(window) && widget->isVisible())
            return widget;
    }
    require(false, std::string(command) + " opened no " + window);
    return nullptr;
}

void process_deferred_deletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(const QWidget* window, const char* button) {
    child<QPushButton>(window, button)->click();
}

QString label(const QWidget* window, const char* name) {
    return child<QLabel>(window, name)->text();
}

QStringList rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

void pick_type(QWidget* window, const QString& type) {
    auto* types = child<QComboBox>(window, "cmb_model_type");
    const int index = types->findText(type);
    require(index >= 0, "no type " + type.toStdString());
    types->setCurrentIndex(index);
    emit types->activated(index);
}

void pick_model(QWidget* window, const QString& model) {
    auto* models = child<QListWidget>(window, "lst_models");
    const auto found = models->findItems(model, Qt::MatchExactly);
    require(!found.isEmpty(), "no model " + model.toStdString());
    models->setCurrentItem(found.first());
}

#include "gui/settings_store.h"

#include "gui/application.h"
#include "gui/text.h"

#include <QSettings>

namespace gui {

namespace {

QSettings store() {
    const QString application = QString::fromLatin1(gui::app_title);
    return QSettings(QSettings::IniFormat, QSettings::UserScope, application, application);
}

QString address(const std::string& section, const std::string& key) {
    return qtext(section) + QLatin1Char('/') + qtext(key);
}

} // namespace

std::optional<std::string> SettingsStore::read(const std::string& section,
                                               const std::string& key) const {
    const auto value = store().value(address(section, key));
    if (!value.isValid())
        return std::nullopt;
    return core_text(value.toString());
}

void SettingsStore::write(const std::string& section, const std::string& key,
                          const std::string& value) {
    auto settings = store();
    const auto name = address(section, key);
    const auto text = qtext(value);
    // Qt rewrites the whole file and flushes it to disk twice: a value the store holds already,
    // as after every import from the same folder, is left as it is.
    if (const auto stored = settings.value(name); stored.isValid() && stored.toString() == text)
        return;
    settings.setValue(name, text);
}

void SettingsStore::move_to(const std::string& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, qtext(folder));
}

} // namespace gui

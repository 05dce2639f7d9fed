#include "platform/settings_store.h"

#include <QSettings>

namespace platform {

namespace {

QString text(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), static_cast<qsizetype>(s.size()));
}

QSettings store_of(const std::string& application) {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, text(application),
                     text(application));
}

QString address(const std::string& section, const std::string& key) {
    return text(section) + QLatin1Char('/') + text(key);
}

} // namespace

std::string read_setting(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& default_value) {
    const auto value = store_of(application).value(address(section, key));
    return value.isValid() ? value.toString().toLocal8Bit().toStdString() : default_value;
}

void write_setting(const std::string& application, const std::string& section,
                   const std::string& key, const std::string& value) {
    store_of(application).setValue(address(section, key), text(value));
}

void set_settings_folder(const std::string& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, text(folder));
}

} // namespace platform

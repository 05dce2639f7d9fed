#include "gui/language.h"

#include "gui/text.h"
#include "platform/display_languages.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace gui {

namespace {

constexpr char settings_section[] = "settings";
constexpr char settings_key[] = "language";

bool is_language(const QString& code) {
    return std::ranges::any_of(languages, [&](const Language& l) { return code == l.code; });
}

// "zh_Hans_CN", "zh_CN", "zh_SG" and "zh_Hans" are written in the simplified script.
bool simplified_chinese(const QStringList& parts) {
    return parts.contains(QStringLiteral("Hans")) || parts.contains(QStringLiteral("CN")) ||
           parts.contains(QStringLiteral("SG")) ||
           (parts.size() == 1 && parts.first() == QStringLiteral("zh"));
}

} // namespace

QString language_for(const std::vector<std::string>& display_languages) {
    for (const auto& name : display_languages) {
        const QStringList parts = qtext(name).split(QLatin1Char('_'));
        const QString language = parts.first().toLower();
        if (language == QStringLiteral("zh")) {
            if (simplified_chinese(parts))
                return QStringLiteral("zh_CN");
            continue;
        }
        if (language == QStringLiteral("pt"))
            return QStringLiteral("pt_BR");
        if (is_language(language))
            return language;
    }
    return QStringLiteral("en");
}

QString chosen_language(const platform::Settings& settings) {
    const QString chosen = qtext(settings.read(settings_section, settings_key).value_or(""));
    return is_language(chosen) ? chosen : QString();
}

void choose_language(platform::Settings& settings, const QString& code) {
    settings.write(settings_section, settings_key, core_text(code));
}

QString language_to_speak(const platform::Settings& settings) {
    const QString chosen = chosen_language(settings);
    return chosen.isEmpty() ? language_for(platform::display_languages()) : chosen;
}

void speak(const QString& code) {
    // Tessary's own texts, and Qt's: the buttons of its message boxes, a text box's menu.
    static QTranslator own, qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    // Numbers as the language writes them (4,7 in Russian), without separators between groups of
    // digits, which a line or a byte count does not take; in English as designed.
    QLocale locale = code == QStringLiteral("en") ? QLocale::c() : QLocale(code);
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(locale);
    if (own.load(QStringLiteral(":/translations/tessary_") + code))
        QCoreApplication::installTranslator(&own);
    if (qt.load(QStringLiteral(":/translations/qtbase_") + code))
        QCoreApplication::installTranslator(&qt);
}

} // namespace gui

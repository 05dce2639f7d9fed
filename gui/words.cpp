#include "gui/words.h"

#include "gui/text.h"

#include <QCoreApplication>
#include <QLocale>

namespace gui {

QString words(const platform::Argument& argument) {
    const QLocale locale;
    if (const auto* text = std::get_if<std::string>(&argument))
        return qtext(*text);
    if (const auto* number = std::get_if<std::int64_t>(&argument))
        return locale.toString(static_cast<qlonglong>(*number));
    if (const auto* decimal = std::get_if<platform::Decimal>(&argument))
        return locale.toString(decimal->value, 'f', decimal->decimals);
    return words(*std::get<std::shared_ptr<const platform::Message>>(argument));
}

QString words(const platform::Message& message) {
    std::vector<std::string> values;
    for (const auto& argument : message.arguments)
        values.push_back(core_text(words(argument)));
    const QString translated =
        QCoreApplication::translate(message.context, message.text, nullptr,
                                    message.count ? static_cast<int>(*message.count) : -1);
    return qtext(platform::filled_in(core_text(translated), values));
}

} // namespace gui

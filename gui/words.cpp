#include "gui/words.h"

#include "gui/text.h"

#include <QCoreApplication>
#include <QLocale>

namespace gui {

QString words(const platform::Message& message) {
    std::vector<std::string> values;
    const QLocale locale;
    for (const auto& argument : message.arguments) {
        QString value;
        if (const auto* text = std::get_if<std::string>(&argument))
            value = qtext(*text);
        else if (const auto* number = std::get_if<std::int64_t>(&argument))
            value = locale.toString(static_cast<qlonglong>(*number));
        else if (const auto* decimal = std::get_if<platform::Decimal>(&argument))
            value = locale.toString(decimal->value, 'f', decimal->decimals);
        else
            value = words(*std::get<std::shared_ptr<const platform::Message>>(argument));
        values.push_back(core_text(value));
    }
    const QString translated =
        QCoreApplication::translate(message.context, message.text, nullptr,
                                    message.count ? static_cast<int>(*message.count) : -1);
    return qtext(platform::filled_in(core_text(translated), values));
}

} // namespace gui

#include "platform/display_languages.h"

#include <cstdlib>
#include <string_view>

namespace platform {

namespace {

// language[_territory][.codeset][@modifier], without the codeset and the modifier.
std::string language_of(std::string_view locale) {
    locale = locale.substr(0, locale.find_first_of(".@"));
    if (locale == "C" || locale == "POSIX")
        return {};
    return std::string(locale);
}

const char* variable(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

} // namespace

std::vector<std::string> display_languages() {
    std::vector<std::string> languages;
    const auto add = [&languages](std::string_view locale) {
        if (auto language = language_of(locale); !language.empty())
            languages.push_back(std::move(language));
    };
    if (const char* list = variable("LANGUAGE")) {
        for (std::string_view rest = list; !rest.empty();) {
            const auto colon = rest.find(':');
            add(rest.substr(0, colon));
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
        if (!languages.empty())
            return languages;
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* locale = variable(name)) {
            add(locale);
            break;
        }
    }
    return languages;
}

} // namespace platform

#pragma once

#include <string>
#include <vector>

namespace platform {

// The languages the user reads the system in, the most wanted first, each as a locale's name
// with an underscore: "ru_RU", "pt_BR", "zh_CN", "en". On Windows the user's interface languages;
// on Linux the list in LANGUAGE, else the first of LC_ALL, LC_MESSAGES and LANG that is set.
// Empty where none is set, or the one set is C or POSIX, which stand for no language.
std::vector<std::string> display_languages();

} // namespace platform

#pragma once

#include "platform/settings.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

// The languages Tessary and its viewer speak: English, as the program was designed, and the
// languages of most of the game's players, into which every text is translated.
namespace gui {

struct Language {
    const char* code; // as the translations are named: "ru", "pt_BR"
    const char* name; // in the language itself
};
inline constexpr std::array<Language, 7> languages{{{"en", "English"},
                                                    {"ru", "Русский"},
                                                    {"uk", "Українська"},
                                                    {"pl", "Polski"},
                                                    {"pt_BR", "Português (Brasil)"},
                                                    {"tr", "Türkçe"},
                                                    {"zh_CN", "简体中文"}}};

// The language of these display languages, the most wanted first ("ru_RU", "pt_BR", "zh_CN"),
// that Tessary speaks: the first that is one of its languages, whatever the territory (but
// Chinese only in its simplified script, and Portuguese as Brazil speaks it); English for any
// other.
QString language_for(const std::vector<std::string>& display_languages);

// The language the user chose under Help, Language; empty for the system's.
QString chosen_language(const platform::Settings& settings);
void choose_language(platform::Settings& settings, const QString& code);

// The language to speak: the one chosen, else the system's.
QString language_to_speak(const platform::Settings& settings);

// From now on the application's texts, Qt's own among them, are in that language; the windows are
// told of the change and word themselves anew.
void speak(const QString& code);

} // namespace gui

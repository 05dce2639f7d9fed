#pragma once

#include "platform/settings.h"

namespace gui {

// Tessary's settings in the user's own store, kept by Qt: an INI file in the user's configuration
// folder, application and organisation both "Tessary".
class SettingsStore final : public platform::Settings {
public:
    std::optional<std::string> read(const std::string& section,
                                    const std::string& key) const override;
    void write(const std::string& section, const std::string& key,
               const std::string& value) override;

    // Keeps the store in this folder instead of the user's configuration folder (for tests).
    static void move_to(const std::string& folder);
};

} // namespace gui

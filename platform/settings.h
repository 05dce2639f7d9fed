#pragma once

#include <optional>
#include <string>

namespace platform {

// The per-user settings store of the application: text values by section and key. The windows
// hand the store in; tests use one of their own.
class Settings {
public:
    virtual ~Settings() = default;

    // The stored value; nothing when the key was never written.
    virtual std::optional<std::string> read(const std::string& section,
                                            const std::string& key) const = 0;
    virtual void write(const std::string& section, const std::string& key,
                       const std::string& value) = 0;
};

} // namespace platform

#include "model/companions.h"

#include "model/studio_model.h"
#include "platform/names.h"

namespace model {

namespace {

constexpr std::string_view extension = ".mdl";

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::string companion_stem(std::string_view name) {
    if (const auto slash = name.find_last_of("/\\"); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    if (name.size() >= extension.size() &&
        platform::same_name(name.substr(name.size() - extension.size()), extension))
        name.remove_suffix(extension.size());
    return std::string(name);
}

std::string texture_file_name(const std::string& stem) {
    return stem + "T.mdl";
}

std::string group_file_name(const std::string& stem, int group) {
    return stem + static_cast<char>('0' + group / 10) + static_cast<char>('0' + group % 10) +
           std::string(extension);
}

std::string texture_file_owner(std::string_view file_name) {
    const std::string stem = companion_stem(file_name);
    if (stem.size() < 2 || !platform::same_name(stem.substr(stem.size() - 1), "T"))
        return {};
    return stem.substr(0, stem.size() - 1) + std::string(extension);
}

std::string group_file_owner(std::string_view name) {
    const std::string stem = companion_stem(name);
    if (stem.size() < 3 || !is_digit(stem[stem.size() - 1]) || !is_digit(stem[stem.size() - 2]))
        return {};
    return stem.substr(0, stem.size() - 2) + std::string(extension);
}

} // namespace model

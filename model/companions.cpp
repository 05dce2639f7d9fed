#include "model/companions.h"

#include "model/file_bytes.h"
#include "model/limits.h"
#include "model/studio_kind.h"
#include "model/weapon_files.h"
#include "platform/names.h"
#include "platform/path.h"

#include <algorithm>

namespace model {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<CompanionNeeds> companion_needs(std::span<const std::uint8_t> header) {
    namespace fields = layout::header;
    const StudioHeader kind = classify(header);
    if (!kind.of_a_model() || !kind.whole || kind.version != layout::version)
        return std::nullopt;
    const FileBytes file(header, said("the file"), fields::size);
    const std::int32_t textures = file.i32(fields::textures.count);
    const std::int32_t groups = file.i32(fields::sequence_groups.count);
    if (textures < 0 || textures > limits::textures || groups < 0 ||
        groups > limits::sequence_groups)
        return std::nullopt;
    return CompanionNeeds{textures == 0, std::max(groups - 1, 0)};
}

std::optional<std::vector<std::string>> group_file_paths(std::span<const std::uint8_t> file) {
    if (!companion_needs(file))
        return std::nullopt;
    auto paths = read_refusing([&] {
        const FileBytes bytes(file, said("the file"), layout::header::size);
        const Table groups =
            bytes.table_at(0, layout::header::sequence_groups, layout::sequence_group::size,
                           limits::sequence_groups, "sequence groups");
        std::vector<std::string> paths;
        for (std::int64_t group = 1; group < groups.count; ++group)
            paths.push_back(
                bytes.text(groups.at(group) + layout::sequence_group::path, layout::name_size));
        return paths;
    });
    if (!paths)
        return std::nullopt;
    return std::move(paths).value();
}

std::string companion_stem(std::string_view name) {
    const platform::Path path{std::string(name)};
    return std::string(platform::same_name(path.extension(), model_extension) ? path.stem()
                                                                              : path.file_name());
}

std::string texture_file_name(std::string_view stem) {
    return std::string(stem) + "T" + std::string(model_extension);
}

std::string group_file_name(std::string_view stem, int group) {
    const char digits[] = {static_cast<char>('0' + group / 10), static_cast<char>('0' + group % 10),
                           '\0'};
    return std::string(stem) + digits + std::string(model_extension);
}

std::string texture_file_owner(std::string_view file_name) {
    const std::string stem = companion_stem(file_name);
    if (stem.size() < 2 || !platform::same_name(stem.substr(stem.size() - 1), "T"))
        return {};
    return stem.substr(0, stem.size() - 1) + std::string(model_extension);
}

std::string group_file_owner(std::string_view file_name) {
    const std::string stem = companion_stem(file_name);
    if (stem.size() < 3 || !is_digit(stem[stem.size() - 1]) || !is_digit(stem[stem.size() - 2]))
        return {};
    return stem.substr(0, stem.size() - 2) + std::string(model_extension);
}

bool may_be_companion(std::string_view file_name, std::string_view model_file_name) {
    const auto owned_by_model = [&](const std::string& owner) {
        return !owner.empty() && platform::same_name(owner, model_file_name);
    };
    return owned_by_model(texture_file_owner(file_name)) ||
           owned_by_model(group_file_owner(file_name));
}

} // namespace model

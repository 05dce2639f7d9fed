#include "model/studio_model.h"

#include "model/limits.h"
#include "platform/file_system.h"

#include <string>

namespace model {

namespace {

// Reads an ordinary file of at most limits::file_size bytes whole; name stands for it in the
// reasons.
platform::Result<std::vector<std::uint8_t>> read_whole(const platform::Path& file,
                                                       const std::string& name) {
    auto content = platform::read_file(file, limits::file_size);
    if (content)
        return std::vector<std::uint8_t>(content->begin(), content->end());
    if (!platform::exists(file))
        return platform::fail(name + " is missing");
    if (platform::is_folder(file))
        return platform::fail(name + " is a folder, not a model file");
    if (content.error() == platform::not_a_file())
        return platform::fail(name + " is not a regular file");
    if (content.error() == platform::too_large())
        return platform::fail(name + " is larger than " + std::to_string(limits::file_size >> 20) +
                              " MiB, more than any model file");
    return platform::fail(name + " cannot be read");
}

// Hands out the companions of the model file at that path from its folder.
SiblingReader siblings_beside(const std::string& path) {
    // The file system finds a companion whose name differs from the one asked for only in case.
    return [folder = platform::Path(path).folder()](const std::string& name) {
        auto bytes = read_whole(folder / name, name);
        return bytes ? std::optional(std::move(bytes).value()) : std::nullopt;
    };
}

} // namespace

platform::Result<std::vector<std::uint8_t>> read_model_file(const std::string& path) {
    return read_whole(platform::Path(path), path);
}

platform::Result<StudioModel> load_model(const std::string& path) {
    auto bytes = read_model_file(path);
    if (!bytes)
        return bytes.failure();
    return load_model(*bytes, path);
}

platform::Result<StudioModel> load_model(std::span<const std::uint8_t> main_file,
                                         const std::string& path) {
    return read_model(main_file, siblings_beside(path), path);
}

platform::Result<GroupFile> load_group_file(const std::string& path) {
    auto bytes = read_model_file(path);
    if (!bytes)
        return bytes.failure();
    return read_group_file(*bytes, path);
}

} // namespace model

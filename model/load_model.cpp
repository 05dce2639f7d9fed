#include "model/studio_model.h"

#include "model/limits.h"
#include "model/said.h"
#include "platform/file_system.h"

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
        return platform::fail(said("%1 is missing", name));
    if (platform::is_folder(file))
        return platform::fail(said("%1 is a folder, not a model file", name));
    if (content.error() == platform::not_a_file())
        return platform::fail(said("%1 is not a regular file", name));
    if (content.error() == platform::too_large())
        return platform::fail(said("%1 is larger than %2 MiB, more than any model file", name,
                                   limits::file_size >> 20));
    return platform::fail(said("%1 cannot be read", name));
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

platform::Result<StudioModel> load_model(KeptFile main_file, const std::string& path,
                                         Sequences sequences) {
    return read_model(std::move(main_file), siblings_beside(path), path, sequences);
}

platform::Result<GroupFile> load_group_file(const std::string& path) {
    auto bytes = read_model_file(path);
    if (!bytes)
        return bytes.failure();
    return read_group_file(*bytes, path);
}

} // namespace model

#pragma once

#include "model/studio_model.h"
#include "model_writer.h"

#include <map>
#include <string>

// Reads written model files as the main file test.mdl, its companions found by their exact names.
inline platform::Result<model::StudioModel> read_files(const model_writer::Files& files) {
    std::map<std::string, std::vector<std::uint8_t>> companions;
    if (!files.textures.empty())
        companions["testT.mdl"] = files.textures;
    for (std::size_t group = 0; group < files.groups.size(); ++group)
        companions["test0" + std::to_string(group + 1) + ".mdl"] = files.groups[group];
    return model::read_model(
        files.main,
        [&](const std::string& name) -> std::optional<std::vector<std::uint8_t>> {
            if (const auto found = companions.find(name); found != companions.end())
                return found->second;
            return std::nullopt;
        },
        "test.mdl");
}

inline platform::Result<model::StudioModel>
read_description(const model_writer::Description& description) {
    return read_files(model_writer::write_model(description));
}

#include "core/model_install.h"

#include "core/game_directory.h"
#include "core/game_files.h"
#include "platform/file_system.h"

namespace core {

std::vector<std::string> list_models(ModelKind kind, const std::string& name) {
    const auto entries = platform::list_folder(library_folder(kind, name));
    std::vector<std::string> models;
    models.reserve(entries.size());
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (!entry->is_system)
            models.push_back(entry->name);
    }
    return models;
}

bool model_has_file(ModelKind kind, const std::string& name, const std::string& model,
                    const std::string& file) {
    return platform::is_ordinary_file(model_file(kind, name, model, file));
}

Result<> install_model(ModelKind kind, const std::string& name, const std::string& model,
                       const std::vector<std::string>& files) {
    if (model.empty())
        return fail("Please select a model before clicking install.");
    std::vector<Replacement> replacements;
    for (const auto& file : files) {
        const auto game_directory = game_directory_for_operation();
        if (!game_directory)
            return game_directory.failure();
        if (auto added =
                add_replacements(replacements, kind, name, model, file, *game_directory, true);
            !added)
            return added;
    }
    return replace_game_files(replacements);
}

} // namespace core

#include "core/changes/model_install.h"

#include "core/changes/game_files.h"
#include "core/game/game_directory.h"
#include "platform/file_system.h"

namespace core {

std::vector<std::string> list_models(const Library& library, ModelKind kind,
                                     const std::string& type) {
    const auto entries = platform::list_folder(library.type_folder(kind, type));
    std::vector<std::string> models;
    models.reserve(entries.size());
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (!entry->is_system)
            models.push_back(entry->name);
    }
    return models;
}

bool model_has_file(const Library& library, const LibraryModel& model, const std::string& file) {
    return platform::is_ordinary_file(library.file(model, file));
}

Result<> install_model(const Library& library, const LibraryModel& model,
                       const std::vector<std::string>& files) {
    if (model.name.empty())
        return fail("Please select a model before clicking install.");
    if (files.empty())
        return {}; // nothing ticked: nothing to do, and the game need not be found
    const auto game_directory = game_directory_for_operation();
    if (!game_directory)
        return game_directory.failure();
    ChangeSet changes;
    for (const auto& file : files) {
        if (auto added = add_replacements(changes, library, model, file, *game_directory,
                                          MissingCompanion::refuse);
            !added)
            return added;
    }
    return changes.apply(library, "install");
}

} // namespace core

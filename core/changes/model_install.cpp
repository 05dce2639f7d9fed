#include "core/changes/model_install.h"

#include "core/changes/game_files.h"
#include "core/checks/model_checks.h"
#include "model/bytes.h"
#include "model/limits.h"
#include "model/server_check_words.h"
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

Messages questions_before_install(const Library& library, const LibraryModel& model,
                                  const std::vector<std::string>& files) {
    Messages questions;
    for (const auto& file : files) {
        const auto content =
            platform::read_file(library.file(model, file), model::limits::file_size);
        if (!content)
            continue;
        const auto check = model::check_for_servers(model::bytes_of(*content), file);
        if (check.verdict != model::Verdict::refused)
            continue;
        questions.push_back(model::install_question(check, file, model.name));
    }
    return questions;
}

Result<> install_model(const Library& library, const LibraryModel& model,
                       const std::vector<std::string>& files) {
    if (model.name.empty())
        return fail(said("Please select a model before clicking install."));
    if (files.empty())
        return {}; // nothing ticked: nothing to do, and the game need not be found
    for (const auto& file : files) {
        if (const auto refusal = load_refusal_of(library.file(model, file)))
            return fail(said("%1 of the model \"%2\" was not installed: the game cannot load it "
                             "(%3). Nothing was installed.",
                             file, model.name, *refusal));
    }
    std::vector<FileToPut> to_put;
    to_put.reserve(files.size());
    for (const auto& file : files)
        to_put.push_back({model, file});
    return put_into_game(library, to_put, MissingCompanion::refuse, "install");
}

} // namespace core

#include "core/changes/model_import.h"

#include "core/changes/change_set.h"
#include "core/checks/companions.h"
#include "core/library/folder_names.h"
#include "core/sources/extracted_files.h"
#include "platform/file_system.h"

#include <algorithm>

namespace core {

namespace {

constexpr char invalid_model_name[] =
    "Inavaild model name. The name of the model must match those that CS currently uses";

// The picked file and the model name are tested first, in this order; the game's name for the
// picked file after them.
Result<> check_request(const ImportRequest& request) {
    if (request.picked_file.empty() || !request.source_folder)
        return fail("Please select a file before clicking import");
    if (request.model_name.empty())
        return fail("Please enter a name for the model");
    return {};
}

// The files of the player type or weapon that lie in the source folder, each followed by the
// companions it names, which must lie there too. The files are read in the readable folder, which
// holds what was taken out of an archive folder.
Result<std::vector<std::string>> files_to_copy(ModelKind kind,
                                               const std::vector<std::string>& files,
                                               const SourceFolder& source_folder,
                                               const Path& readable_folder) {
    std::vector<std::string> copied;
    for (const auto& file : files) {
        const auto source = readable_folder / file;
        if (!facts(kind).model_holds_every_file && !platform::is_ordinary_file(source))
            continue;
        copied.push_back(file);
        for (const auto& companion : companions_of(source, file)) {
            if (!platform::is_ordinary_file(readable_folder / companion.file))
                return fail(missing_companion(companion, source_folder.path(), "imported"));
            copied.push_back(companion.file);
        }
    }
    return copied;
}

// Copies the files of the player type or weapon that lie in the source folder into a new model
// folder, under the game's names for them.
Result<Imported> import_files(const Library& library, const LibraryModel& model,
                              const std::vector<std::string>& files, const ImportRequest& request) {
    if (!folder_name_problem(model.name).empty())
        return fail(folder_name_rule);
    const auto folder = library.folder(model);
    if (platform::first_ordinary_file(folder))
        return fail("That name already exists.");
    const auto source = ExtractedFiles::open(library, *request.source_folder, files);
    if (!source)
        return source.failure();
    const auto copied = files_to_copy(model.kind, files, *request.source_folder, source->folder());
    if (!copied)
        return copied.failure();

    // A weapon none of whose files lay beside the picked one makes no empty model.
    if (copied->empty())
        return Imported{false};
    ChangeSet changes;
    if (!platform::exists(folder))
        changes.make_folder(folder);
    for (const auto& file : *copied)
        changes.copy_file(source->folder() / file, folder / file);
    if (auto applied = changes.apply(library, "import"); !applied)
        return applied.failure();
    return Imported{platform::is_ordinary_file(folder / request.picked_file)};
}

} // namespace

std::optional<std::string> weapon_name_from_file(const std::string& picked_file) {
    if (picked_file.size() < 6)
        return std::nullopt;
    std::string name = picked_file.substr(2, picked_file.size() - 6);
    if (!name.empty() && name.back() == 'r') {
        if (name.size() < 2)
            return std::nullopt;
        name.resize(name.size() - 2);
    }
    return name;
}

Result<Imported> import_player_model(const Library& library, const ImportRequest& request) {
    if (auto checked = check_request(request); !checked)
        return checked.failure();
    const auto& picked = request.picked_file;
    const std::string type =
        picked.substr(0, picked.size() - std::min<std::size_t>(4, picked.size()));
    if (std::find(player_types.begin(), player_types.end(), type) == player_types.end())
        return fail(invalid_model_name);
    // The picked file is copied under its own name, gign.MDL as gign.MDL.
    return import_files(library, {ModelKind::player, type, request.model_name}, {picked}, request);
}

Result<Imported> import_weapon_model(const Library& library, const ImportRequest& request,
                                     const Names& weapon_names) {
    if (auto checked = check_request(request); !checked)
        return checked.failure();
    const auto weapon = weapon_name_from_file(request.picked_file);
    if (!weapon || weapon->empty() ||
        std::find(weapon_names.begin(), weapon_names.end(), *weapon) == weapon_names.end())
        return fail(invalid_model_name);
    // Each file is looked for without regard to case and copied under its own name.
    return import_files(library, {ModelKind::weapon, *weapon, request.model_name},
                        model_files(ModelKind::weapon, *weapon, import_order), request);
}

} // namespace core

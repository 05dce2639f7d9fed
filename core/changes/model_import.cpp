#include "core/changes/model_import.h"

#include "core/changes/change_set.h"
#include "core/checks/companions.h"
#include "core/checks/model_checks.h"
#include "core/game/game_tree.h"
#include "core/library/folder_names.h"
#include "core/sources/extracted_files.h"
#include "model/companions.h"
#include "platform/file_system.h"
#include "platform/names.h"

#include <algorithm>

namespace core {

namespace {

constexpr const char* invalid_model_name = platform::to_say(
    "Inavaild model name. The name of the model must match those that CS currently uses");

// A file of the source folder and the name it takes in the model folder.
struct Filing {
    std::string from;
    std::string to;
};

// How the files come into the model folder: under their own names, as Import files them, which
// are the game's already; or as the game's files they are to stand for, whatever their names,
// which the game must then load as those files.
enum class Filed { as_named, as_game_files };

// The picked file and the model name are tested first, in this order; the game's name for the
// picked file after them.
Result<> check_request(const ImportRequest& request) {
    if (request.picked_file.empty() || !request.source_folder)
        return fail(said("Please select a file before clicking import"));
    if (request.model_name.empty())
        return fail(said("Please enter a name for the model"));
    return {};
}

// Why the game could not load the file once it is filed as `to`: it is no model, or it would
// look for its group files where they are not. Nothing when it could.
std::optional<Message> renaming_problem(const LibraryModel& model, const Path& source,
                                        const Filing& filing) {
    if (const auto refusal = refusal_as_model(source))
        return said("%1 cannot be imported as %2: %3, so nothing was imported.", filing.from,
                    filing.to, *refusal);
    return group_file_astray(source, filing.from,
                             game_file_name(model.kind, model.type, filing.to));
}

// The name under which the folder holds the file of that name, as the lookup finds it: the name
// itself where it is there, as it is where none is, else the one that differs from it in case
// alone. Messages name a file as the player sees it, V_MINE.MDL rather than v_MINE.mdl.
std::string name_in(const std::vector<platform::FolderEntry>& entries, const std::string& name) {
    std::optional<std::string> other_case;
    for (const auto& entry : entries) {
        if (entry.is_folder || !platform::same_name(entry.name, name))
            continue;
        if (entry.name == name)
            return name;
        if (!other_case)
            other_case = entry.name;
    }
    return other_case.value_or(name);
}

// The files of the player type or weapon that lie in the source folder, each followed by the
// companions it names, which must lie there too and take names after the file's new name. The
// files are read in the readable folder, which holds what was taken out of an archive folder.
Result<std::vector<Filing>> files_to_copy(const LibraryModel& model,
                                          const std::vector<Filing>& filings, Filed filed,
                                          const SourceFolder& source_folder,
                                          const Path& readable_folder) {
    const auto entries = platform::list_folder(readable_folder);
    std::vector<Filing> copied;
    for (const auto& filing : filings) {
        const Filing file{name_in(entries, filing.from), filing.to};
        const auto source = readable_folder / file.from;
        if (!facts(model.kind).model_holds_every_file && !platform::is_ordinary_file(source))
            continue;
        if (filed == Filed::as_game_files) {
            if (auto problem = renaming_problem(model, source, file))
                return fail(std::move(*problem));
        }
        copied.push_back(file);
        // One read of the header names the companions both ways, so the two lists agree.
        const auto needs = companion_needs_of(source);
        if (!needs)
            continue;
        const auto companions = companions_named(*needs, file.from);
        const auto renamed = companions_named(*needs, file.to);
        for (std::size_t i = 0; i < companions.size(); ++i) {
            std::string from = companions[i].file;
            // A group file may also carry the name in the path the model stores for it, which
            // renaming_problem() found to be where the renamed model's group file goes, under
            // its new name: 707.mdl storing models\player\gign\gign01.mdl, beside gign01.mdl.
            if (!platform::is_ordinary_file(readable_folder / from) &&
                filed == Filed::as_game_files && companions[i].group > 0)
                from = renamed[i].file;
            if (!platform::is_ordinary_file(readable_folder / from))
                return fail(missing_companion(companions[i], source_folder.path(), Undone::import));
            copied.push_back({name_in(entries, from), renamed[i].file});
        }
    }
    return copied;
}

// Copies the files of the player type or weapon that lie in the source folder into a new model
// folder, each under the name it takes there; confirmed when the picked file is among them.
Result<Imported> import_files(const Library& library, const LibraryModel& model,
                              const std::vector<Filing>& filings, Filed filed,
                              const ImportRequest& request) {
    if (auto name = check_folder_name(model.name); !name)
        return name.failure();
    const auto folder = library.folder(model);
    if (platform::first_ordinary_file(folder))
        return fail(said("That name already exists."));
    std::vector<std::string> sources;
    std::vector<std::string> new_names;
    for (const auto& filing : filings) {
        sources.push_back(filing.from);
        if (filed == Filed::as_game_files)
            new_names.push_back(filing.to);
    }
    const auto source = ExtractedFiles::open(library, *request.source_folder, sources, new_names);
    if (!source)
        return source.failure();
    const auto copied =
        files_to_copy(model, filings, filed, *request.source_folder, source->folder());
    if (!copied)
        return copied.failure();

    // A weapon none of whose files lay beside the picked one makes no empty model.
    if (copied->empty())
        return Imported{false};
    ChangeSet changes;
    if (!platform::exists(folder))
        changes.make_folder(folder);
    for (const auto& [from, to] : *copied)
        changes.copy_file(source->folder() / from, folder / to);
    if (auto applied = changes.apply(library, "import"); !applied)
        return applied.failure();
    const auto picked = std::ranges::find_if(*copied, [&](const Filing& filing) {
        return platform::same_name(filing.from, request.picked_file);
    });
    return Imported{picked != copied->end() && platform::is_ordinary_file(folder / picked->to)};
}

// The files of the weapon in the import's order, each filed under its own name.
std::vector<Filing> weapon_filings(const std::string& own_weapon, const std::string& weapon) {
    std::vector<Filing> filings;
    for (const auto file : import_order)
        filings.push_back({weapon_file_name(own_weapon, file), weapon_file_name(weapon, file)});
    return filings;
}

// The player type a picked file stands for: its name less the extension.
std::string player_type_of(const std::string& picked) {
    return picked.substr(0, picked.size() - std::min<std::size_t>(4, picked.size()));
}

bool is_player_type(const std::string& name) {
    return std::ranges::find(imported_player_types, name) != imported_player_types.end();
}

bool is_weapon(const std::optional<std::string>& name, const Names& weapon_names) {
    return name && !name->empty() && std::ranges::find(weapon_names, *name) != weapon_names.end();
}

// Import files the picked file under its own name, which is one of the game's files.
bool import_keeps_name(ModelKind kind, std::string_view picked_file, const Names& weapon_names) {
    const std::string picked(picked_file);
    if (kind == ModelKind::player)
        return is_player_type(player_type_of(picked));
    const auto weapon = weapon_name_from_file(picked);
    if (!is_weapon(weapon, weapon_names))
        return false;
    return platform::same_name(picked, weapon_file_name(*weapon, WeaponFile::left)) ||
           platform::same_name(picked, weapon_file_name(*weapon, WeaponFile::right));
}

} // namespace

bool takes_import_as(ModelKind kind, std::string_view file, const std::vector<std::string>& listed,
                     const Names& weapon_names) {
    return !import_keeps_name(kind, file, weapon_names) &&
           std::ranges::none_of(listed, [&](const std::string& other) {
               return model::may_be_companion(file, other);
           });
}

Result<Imported> import_player_model(const Library& library, const ImportRequest& request) {
    if (auto checked = check_request(request); !checked)
        return checked.failure();
    const auto& picked = request.picked_file;
    const std::string type = player_type_of(picked);
    if (!is_player_type(type))
        return fail(said(invalid_model_name));
    // The picked file is copied under its own name, gign.MDL as gign.MDL.
    return import_files(library, {ModelKind::player, type, request.model_name}, {{picked, picked}},
                        Filed::as_named, request);
}

Result<Imported> import_weapon_model(const Library& library, const ImportRequest& request,
                                     const Names& weapon_names) {
    if (auto checked = check_request(request); !checked)
        return checked.failure();
    const auto weapon = weapon_name_from_file(request.picked_file);
    if (!is_weapon(weapon, weapon_names))
        return fail(said(invalid_model_name));
    // Each file is looked for without regard to case and copied under its own name.
    return import_files(library, {ModelKind::weapon, *weapon, request.model_name},
                        weapon_filings(*weapon, *weapon), Filed::as_named, request);
}

Result<Imported> import_player_model_as(const Library& library, const ImportRequest& request,
                                        const std::string& player_type) {
    if (auto checked = check_request(request); !checked)
        return checked.failure();
    const auto file = model_files(ModelKind::player, player_type).front();
    return import_files(library, {ModelKind::player, player_type, request.model_name},
                        {{request.picked_file, file}}, Filed::as_game_files, request);
}

Result<Imported> import_weapon_model_as(const Library& library, const ImportRequest& request,
                                        const std::string& weapon) {
    if (auto checked = check_request(request); !checked)
        return checked.failure();
    const auto own = weapon_file_of(request.picked_file);
    const auto filings = own ? weapon_filings(own->weapon, weapon)
                             : std::vector<Filing>{{request.picked_file,
                                                    weapon_file_name(weapon, WeaponFile::left)}};
    return import_files(library, {ModelKind::weapon, weapon, request.model_name}, filings,
                        Filed::as_game_files, request);
}

} // namespace core

#include "core/checks/check_rows.h"

#include "core/checks/model_checks.h"
#include "core/game/game_directory.h"
#include "core/game/game_tree.h"
#include "core/library/name_lists.h"
#include "core/library/set_lists.h"
#include "model/limits.h"
#include "platform/file_system.h"
#include "platform/names.h"

#include <algorithm>

namespace core {

namespace {

// The kind's names as far as its list can be read; what is wrong with the list rides along.
Names names_of(const Library& library, ModelKind kind, Messages& told) {
    auto names = read_name_list(library, kind);
    told.insert(told.end(), names.messages().begin(), names.messages().end());
    if (!names)
        return {};
    if (kind == ModelKind::player)
        names->insert(names->end(), fixed_player_types.begin(), fixed_player_types.end());
    return std::move(names).value();
}

Result<std::vector<CheckRow>> with_texts(std::vector<CheckRow> rows, const Messages& told) {
    Result<std::vector<CheckRow>> result = std::move(rows);
    for (const auto& text : told)
        result.tell(text);
    return result;
}

} // namespace

Result<std::vector<CheckRow>> library_rows(const Library& library) {
    std::vector<CheckRow> rows;
    Messages told;
    for (const auto kind : {ModelKind::player, ModelKind::weapon}) {
        for (const auto& type : names_of(library, kind, told)) {
            for (const auto& entry : platform::list_folder(library.type_folder(kind, type))) {
                if (!entry.is_folder || entry.is_hidden || entry.is_system)
                    continue;
                const LibraryModel model{kind, type, entry.name};
                for (const auto& file : model_files(kind, type)) {
                    const auto path = library.file(model, file);
                    if (platform::is_ordinary_file(path))
                        rows.push_back(
                            {CheckRow::Place::library, kind, type, entry.name, file, path});
                }
            }
        }
    }
    return with_texts(std::move(rows), told);
}

Result<std::vector<CheckRow>> game_rows(const Library& library) {
    const auto game_directory = game_directory_for_operation();
    if (!game_directory)
        return game_directory.failure();
    std::vector<CheckRow> rows;
    Messages told;
    for (const auto kind : {ModelKind::player, ModelKind::weapon}) {
        auto names = read_name_list(library, kind);
        told.insert(told.end(), names.messages().begin(), names.messages().end());
        if (!names)
            continue;
        for (const auto& type : *names) {
            for (const auto& file : model_files(kind, type)) {
                const auto path = game_file(*game_directory, kind, type, file);
                if (!platform::is_ordinary_file(path))
                    continue;
                rows.push_back({CheckRow::Place::game, kind, type, {}, file, path});
                for (auto& companion : companions_of(path, file)) {
                    const auto beside = path.folder() / companion.file;
                    if (platform::is_ordinary_file(beside))
                        rows.push_back({CheckRow::Place::game,
                                        kind,
                                        type,
                                        {},
                                        companion.file,
                                        beside,
                                        std::move(companion)});
                }
            }
        }
    }
    return with_texts(std::move(rows), told);
}

Result<model::PagedFile> open_row_file(const CheckRow& row) {
    return model::PagedFile::open(row.path, model::limits::file_size);
}

void check_row(CheckRow& row, const Result<model::PagedFile>& file) {
    if (!file) {
        row.found = CheckRow::Found::unreadable;
        row.reason = file.why();
        return;
    }
    row.size = file->bytes().size();
    if (row.companion) {
        row.found = CheckRow::Found::companion;
        return;
    }
    auto check = check_model(*file, row.path, row.file);
    if (!check) {
        row.found = CheckRow::Found::not_a_model;
        return;
    }
    row.found = CheckRow::Found::model;
    row.check = std::move(*check);
}

void name_game_files(const Library& library, std::vector<CheckRow>& game,
                     const std::vector<CheckRow>& library_files) {
    const auto sets_of = [&library](ModelKind kind) {
        auto sets = read_set_names(library, kind);
        return sets ? std::move(sets).value() : Names{};
    };
    const Names set_lists[] = {sets_of(ModelKind::player), sets_of(ModelKind::weapon)};
    const auto read_whole = [](const CheckRow& row) {
        return platform::read_file(row.path, model::limits::file_size);
    };
    for (auto& row : game) {
        // Read when a library file may be the same, once however many may be.
        std::optional<Result<std::string>> content;
        for (const auto& candidate : library_files) {
            if (row.companion || candidate.kind != row.kind || candidate.type != row.type ||
                !platform::same_name(candidate.file, row.file) || candidate.size != row.size ||
                row.size == 0)
                continue;
            if (!content)
                content = read_whole(row);
            const auto other = read_whole(candidate);
            if (!*content || !other || **content != *other)
                continue;
            const auto& sets = set_lists[row.kind == ModelKind::player ? 0 : 1];
            const bool set = std::find(sets.begin(), sets.end(), candidate.model) != sets.end();
            row.origins.push_back({set, candidate.model});
        }
    }
}

} // namespace core

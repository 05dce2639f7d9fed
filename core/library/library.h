#pragma once

#include "core/library/model_kinds.h"
#include "platform/settings.h"

#include <string>
#include <string_view>

namespace core {

// A model of the library: a folder named by the model's name (or a backup set's) in the folder of
// the player type or weapon it is for, holding its files under the names of the game's files.
struct LibraryModel {
    ModelKind kind;
    std::string type; // the player type or weapon
    std::string name;
};

// A backup set of the kind: a model of its name in the folder of every player type or weapon.
struct BackupSet {
    ModelKind kind;
    std::string name;

    LibraryModel model_for(std::string type) const { return {kind, std::move(type), name}; }
};

// Tessary's library: the program folder, which holds the model library, the name lists and the
// set lists, and the user's settings. Every operation is handed the library it works on.
class Library final {
public:
    Library(Path program_folder, platform::Settings& settings)
        : program_folder_(std::move(program_folder)), settings_(settings) {}

    const Path& program_folder() const { return program_folder_; }
    platform::Settings& settings() const { return settings_; }

    // A file of the program folder: a name list, a set list, the readme, the model viewer.
    Path program_file(std::string_view name) const { return program_folder_ / name; }

    // The library tree, "models" in the program folder.
    Path tree() const { return program_folder_ / "models"; }

    // The folder of a player type or weapon, which holds its model folders.
    Path type_folder(ModelKind kind, std::string_view type) const {
        return tree() / facts(kind).branch / type;
    }

    Path folder(const LibraryModel& model) const {
        return type_folder(model.kind, model.type) / model.name;
    }

    Path file(const LibraryModel& model, std::string_view file_name) const {
        return folder(model) / file_name;
    }

private:
    Path program_folder_;
    platform::Settings& settings_;
};

} // namespace core

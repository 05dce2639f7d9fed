#include "library/model_import.h"

#include "library/file_steps.h"
#include "library/folder_names.h"
#include "library/game_paths.h"
#include "platform/file_system.h"
#include "platform/message.h"
#include "platform/program_folder.h"

#include <algorithm>
#include <vector>

namespace library {

namespace {

constexpr char invalid_model_name[] =
    "Inavaild model name. The name of the model must match those that CS currently uses";

// The picked file and model name are tested first, in this order; the game name is tested by
// the caller between the two of them.
bool picked_file_given(const ImportRequest& request) {
    if (request.picked_file.empty()) {
        platform::show_message("Please select a file before clicking import");
        return false;
    }
    return true;
}

bool model_name_given(const ImportRequest& request) {
    if (request.model_name.empty()) {
        platform::show_message("Please enter a name for the model");
        return false;
    }
    return true;
}

// The model name can name a folder, and that folder does not hold a model yet.
bool model_folder_free(const ImportRequest& request, const std::string& model_folder) {
    if (!folder_name_problem(request.model_name).empty()) {
        platform::show_message(folder_name_rule);
        return false;
    }
    if (platform::first_ordinary_file(model_folder)) {
        platform::show_message("That name already exists.");
        return false;
    }
    return true;
}

// A model folder being filled: on failure, what this import made is removed again.
class ModelFolder {
public:
    explicit ModelFolder(std::string path) : path_(std::move(path)) {}

    Result open() {
        if (platform::exists(path_))
            return Result::success(); // left empty by an earlier failure; used as it is
        auto made = make_folder(path_);
        created_ = made.ok();
        return made;
    }

    Result copy_in(const std::string& source, const std::string& file_name) {
        auto copied = copy_whole_file(source, path_ + file_name);
        if (copied.ok())
            files_.push_back(path_ + file_name);
        return copied;
    }

    bool empty() const { return files_.empty(); }

    void remove_what_was_made() {
        for (const auto& file : files_)
            (void)platform::delete_file(file);
        files_.clear();
        if (created_)
            (void)platform::remove_empty_folder(path_);
        created_ = false;
    }

private:
    std::string path_; // ends in a backslash
    bool created_ = false;
    std::vector<std::string> files_;
};

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

ImportOutcome import_player_model(const ImportRequest& request) {
    if (!picked_file_given(request))
        return {};
    const std::string type = request.picked_file.substr(
        0, request.picked_file.size() - std::min<std::size_t>(4, request.picked_file.size()));
    if (!model_name_given(request))
        return {};
    if (std::find(player_model_types.begin(), player_model_types.end(), type) ==
        player_model_types.end()) {
        platform::show_message(invalid_model_name);
        return {};
    }

    const auto model_folder = library_player_type_folder(platform::program_folder(), type) + "\\" +
                              request.model_name + "\\";
    if (!model_folder_free(request, model_folder))
        return {};
    ModelFolder folder(model_folder);
    auto copied = folder.open();
    if (copied.ok())
        copied =
            folder.copy_in(request.source_folder + "\\" + request.picked_file, request.picked_file);
    if (!ok_or_report(copied)) {
        folder.remove_what_was_made();
        return {};
    }
    return {true, true};
}

ImportOutcome import_weapon_model(const ImportRequest& request) {
    if (!picked_file_given(request))
        return {};
    const auto weapon = weapon_name_from_file(request.picked_file);
    if (!model_name_given(request))
        return {};
    const auto& names = window_weapon_names;
    if (!weapon || weapon->empty() ||
        std::find(names.begin(), names.end(), *weapon) == names.end()) {
        platform::show_message(invalid_model_name);
        return {};
    }

    const auto model_folder = library_weapon_folder(platform::program_folder(), *weapon) + "\\" +
                              request.model_name + "\\";
    if (!model_folder_free(request, model_folder))
        return {};
    ModelFolder folder(model_folder);
    auto copied = folder.open();
    for (const auto kind : {WeaponKind::left, WeaponKind::w, WeaponKind::p, WeaponKind::right}) {
        const auto file_name = weapon_file_name(*weapon, kind);
        const auto source = request.source_folder + "\\" + file_name;
        if (copied.ok() && platform::is_ordinary_file(source))
            copied = folder.copy_in(source, file_name);
    }
    if (!ok_or_report(copied)) {
        folder.remove_what_was_made();
        return {};
    }
    if (folder.empty()) {
        // Nothing of the weapon lay beside the picked file: no empty model is left behind.
        folder.remove_what_was_made();
        return {true, false};
    }
    return {true, platform::is_ordinary_file(model_folder + request.picked_file)};
}

} // namespace library

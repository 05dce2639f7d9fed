#include "model/animation.h"
#include "model/bytes.h"
#include "model/companions.h"
#include "model/file_header.h"
#include "model/geometry.h"
#include "model/limits.h"
#include "model/model_data.h"
#include "model/sequences.h"
#include "model/skeleton.h"
#include "model/textures.h"

#include <map>

namespace model {

namespace {

// missing says that the file is missing.
std::vector<std::uint8_t> read_sibling(const SiblingReader& sibling, const std::string& name,
                                       platform::Message missing) {
    auto bytes = sibling ? sibling(name) : std::nullopt;
    if (!bytes)
        throw Refusal{std::move(missing)};
    return std::move(*bytes);
}

TextureSet read_texture_file(const SiblingReader& sibling, const std::string& stem) {
    const std::string name = texture_file_name(stem);
    const auto bytes = read_sibling(sibling, name, said("texture file %1 is missing", name));
    const FileBytes file(bytes, said("texture file %1", name), layout::header::size);
    check_file_header(file, FileKind::textures);
    return read_textures(file);
}

// Reads the group files the sequences need into data.files, points each sequence's animation
// at its file, and checks every animation.
void read_animations(StudioModel::Data& data, std::vector<SequenceRecord>& sequences,
                     const SiblingReader& sibling, const std::string& stem) {
    std::map<int, int> group_files{{0, 0}};
    std::vector<FileBytes> files{
        FileBytes(view_of(data.files.front()), said("the file"), layout::header::size)};
    for (SequenceRecord& sequence : sequences) {
        const auto [found, added] =
            group_files.try_emplace(sequence.group, static_cast<int>(data.files.size()));
        if (added) {
            const std::string name = group_file_name(stem, sequence.group);
            const auto bytes =
                read_sibling(sibling, name, said("sequence group file %1 is missing", name));
            data.files.push_back(content_of(bytes));
            files.emplace_back(view_of(data.files.back()), said("sequence group file %1", name),
                               layout::group_header::size);
            check_file_header(files.back(), FileKind::group);
        }
        sequence.animation.file = found->second;
    }
    AnimationChecker checker;
    for (SequenceRecord& sequence : sequences) {
        checker.check(files[static_cast<std::size_t>(sequence.animation.file)], sequence.animation,
                      static_cast<std::int64_t>(data.bones.size()), sequence.info.name);
        data.sequences.push_back(std::move(sequence.info));
        data.animations.push_back(sequence.animation);
    }
}

std::unique_ptr<StudioModel::Data> read_data(KeptFile main_file, const SiblingReader& sibling,
                                             std::string_view file_name, Sequences wanted) {
    auto data = std::make_unique<StudioModel::Data>();
    data->files.push_back(std::move(main_file));
    namespace header = layout::header;
    const FileBytes file(view_of(data->files.front()), said("the file"), header::size);
    check_file_header(file, FileKind::main);
    data->name = file.text(header::name, layout::name_size);
    const std::string stem = companion_stem(file_name.empty() ? data->name : file_name);

    const Table bones = file.table_at(0, header::bones, layout::bone::size, limits::bones, "bones");
    const Table controllers =
        file.table_at(0, header::bone_controllers, layout::bone_controller::size,
                      limits::bone_controllers, "bone controllers");
    file.table_at(0, header::hit_boxes, layout::hit_box::size, limits::hit_boxes, "hit boxes");
    const Table sequences =
        file.table_at(0, header::sequences, layout::sequence::size, limits::sequences, "sequences");
    const Table groups = file.table_at(0, header::sequence_groups, layout::sequence_group::size,
                                       limits::sequence_groups, "sequence groups");
    const Table body_parts = file.table_at(0, header::body_parts, layout::body_part::size,
                                           limits::body_parts, "body parts");
    const Table attachments = file.table_at(0, header::attachments, layout::attachment::size,
                                            limits::attachments, "attachments");

    data->bones = read_bones(file, bones, controllers.count);
    data->controller_settings = read_controller_settings(file, controllers, bones.count);
    check_attachments(file, attachments, bones.count);

    // Without textures of its own, a model takes them and its skins from its texture file.
    const auto needs = companion_needs(file.bytes());
    TextureSet textures =
        needs && needs->texture_file ? read_texture_file(sibling, stem) : read_textures(file);
    data->textures = std::move(textures.textures);
    data->skin_references = textures.skin_references;
    data->skin_families = textures.skin_families;
    data->skins = std::move(textures.skins);

    Geometry geometry = read_body_parts(file, body_parts, bones.count,
                                        data->skin_families > 0 ? data->skin_references : 0);
    data->body_part_infos = std::move(geometry.infos);
    data->body_parts = std::move(geometry.parts);

    auto records = read_sequences(file, sequences, groups.count);
    if (wanted == Sequences::first && records.size() > 1)
        records.resize(1);
    read_animations(*data, records, sibling, stem);
    return data;
}

} // namespace

platform::Result<StudioModel> read_model(std::span<const std::uint8_t> main_file,
                                         const SiblingReader& sibling, std::string_view file_name) {
    return read_model(content_of(main_file), sibling, file_name);
}

platform::Result<StudioModel> read_model(KeptFile main_file, const SiblingReader& sibling,
                                         std::string_view file_name, Sequences sequences) {
    return read_refusing([&] {
        return StudioModel(read_data(std::move(main_file), sibling, file_name, sequences));
    });
}

} // namespace model

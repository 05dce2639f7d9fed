#include "model_writer.h"

#include <algorithm>
#include <cstring>
#include <numbers>

namespace model_writer {

namespace {

template <typename T> std::int32_t count(const std::vector<T>& items) {
    return static_cast<std::int32_t>(items.size());
}

// A file growing at its end; records are reserved first and filled in once the offsets they
// point at are known.
struct Buffer {
    std::vector<std::uint8_t> bytes;

    std::int32_t end() const { return count(bytes); }
    // Zero bytes to the next multiple of 4, where the compiler starts each section.
    std::int32_t align() {
        bytes.resize((bytes.size() + 3) / 4 * 4);
        return end();
    }
    std::int32_t reserve(std::size_t size) {
        const std::int32_t at = end();
        bytes.resize(bytes.size() + size);
        return at;
    }
    template <typename T> void put(std::size_t at, const T& value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
    }
    void put_name(std::size_t at, const std::string& name) {
        std::memcpy(bytes.data() + at, name.data(), name.size());
    }
    template <typename T> void append(const T& value) { put(reserve(sizeof value), value); }
    // The items on a 4-byte boundary; where they start.
    template <typename T> std::int32_t place(const std::vector<T>& items) {
        const std::int32_t at = align();
        reserve(items.size() * sizeof(T));
        std::memcpy(bytes.data() + at, items.data(), items.size() * sizeof(T));
        return at;
    }
    // Room for count records of size bytes, their count put at field and where they start after it.
    std::int32_t section(std::size_t field, std::size_t count, std::size_t size) {
        put(field, static_cast<std::int32_t>(count));
        const std::int32_t at = align();
        put(field + 4, at);
        reserve(count * size);
        return at;
    }
};

Buffer header(const char* id, std::size_t size, const std::string& name) {
    Buffer out;
    out.reserve(size);
    out.put_name(0, id);
    out.put(4, std::int32_t{10});
    out.put_name(8, name);
    return out;
}

// The animation block: a 12-byte record per bone of each blend set, then the channels' samples,
// each channel as one run whose tail of equal samples is stored once, its header (valid, total)
// read as a short.
std::int32_t append_animation(Buffer& out, const std::vector<Animation>& sets,
                              std::size_t bone_count) {
    const std::int32_t block = out.align();
    out.reserve(sets.size() * bone_count * 12);
    for (std::size_t set = 0; set < sets.size(); ++set) {
        for (std::size_t bone = 0; bone < sets[set].size(); ++bone) {
            for (std::size_t channel = 0; channel < 6; ++channel) {
                const auto& samples = sets[set][bone][channel];
                if (samples.empty())
                    continue;
                std::size_t valid = samples.size();
                while (valid > 1 && samples[valid - 2] == samples.back())
                    --valid;
                std::vector run{static_cast<std::int16_t>(valid | samples.size() << 8)};
                run.insert(run.end(), samples.begin(), samples.begin() + valid);
                const std::size_t record = block + (set * bone_count + bone) * 12;
                out.put(record + channel * 2, static_cast<std::uint16_t>(out.place(run) - record));
            }
        }
    }
    return block;
}

void append_model(Buffer& out, std::size_t record, const Model& model) {
    out.put_name(record, model.name);
    out.put(record + 80, count(model.vertices));
    out.put(record + 92, count(model.normals));
    out.put(record + 84, out.place(model.vertex_bones));
    out.put(record + 96, out.place(model.normal_bones));
    out.put(record + 88, out.place(model.vertices));
    out.put(record + 100, out.place(model.normals));
    const std::int32_t meshes = out.section(record + 72, model.meshes.size(), 20);
    for (std::size_t i = 0; i < model.meshes.size(); ++i) {
        std::int32_t triangles = 0;
        std::vector<std::int16_t> commands;
        for (const Command& command : model.meshes[i]) {
            const int corners = count(command.corners);
            commands.push_back(static_cast<std::int16_t>(command.fan ? -corners : corners));
            for (const Corner& corner : command.corners)
                commands.insert(commands.end(), corner.begin(), corner.end());
            triangles += corners - 2;
        }
        commands.push_back(0);
        // The normals a mesh uses are counted for information only: the model's will do.
        out.put(meshes + i * 20,
                std::array{triangles, out.place(commands), 0, count(model.normals)});
    }
}

// Texture records, skin table and pixels, into a file whose header is at 0.
void append_textures(Buffer& out, const Description& description) {
    const std::int32_t records = out.section(180, description.textures.size(), 80);
    std::vector<std::int16_t> skins;
    for (const auto& family : description.skins)
        skins.insert(skins.end(), family.begin(), family.end());
    out.put(192,
            std::array{count(description.skins[0]), count(description.skins), out.place(skins)});
    for (std::size_t i = 0; i < description.textures.size(); ++i) {
        const Texture& texture = description.textures[i];
        const std::int32_t pixels = out.place(texture.pixels);
        out.append(texture.palette);
        if (i == 0)
            out.put(188, pixels);
        out.put_name(records + i * 80, texture.name);
        out.put(records + i * 80 + 64,
                std::array{texture.flags, texture.width, texture.height, pixels});
    }
}

} // namespace

Files write_model(const Description& description) {
    Buffer main = header("IDST", 244, description.name);
    const std::int32_t bones = main.section(140, description.bones.size(), 112);
    for (std::size_t i = 0; i < description.bones.size(); ++i) {
        const Bone& bone = description.bones[i];
        const std::size_t at = bones + i * 112;
        constexpr float position = 1.0f / 256, rotation = std::numbers::pi_v<float> / 8192;
        main.put_name(at, bone.name);
        main.put(at + 32, bone.parent);
        main.put(at + 40, std::array{-1, -1, -1, -1, -1, -1}); // no controllers
        main.put(at + 64, bone.value);
        main.put(at + 88, std::array{position, position, position, rotation, rotation, rotation});
    }

    const auto& sequences = description.sequences;
    const bool grouped = std::ranges::any_of(sequences, &Sequence::in_group_file);
    const std::string group_name =
        "models\\" + description.name.substr(0, description.name.find(".mdl")) + "01.mdl";
    Buffer group = header("IDSQ", 76, group_name);
    const std::int32_t records = main.section(164, sequences.size(), 176);
    const std::int32_t groups = main.section(172, grouped ? 2 : 1, 104);
    main.put_name(groups, "default");
    if (grouped)
        main.put_name(groups + 104 + 32, group_name);
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        const Sequence& sequence = sequences[i];
        const std::size_t at = records + i * 176;
        main.put_name(at, sequence.label);
        main.put(at + 32, sequence.fps);
        main.put(at + 36, std::int32_t{sequence.looping});
        main.put(at + 56, std::int32_t{sequence.frames});
        main.put(at + 96, sequence.bounds);
        std::vector<Animation> sets{sequence.animation};
        sets.insert(sets.end(), sequence.more_blends.begin(), sequence.more_blends.end());
        main.put(at + 120, count(sets));
        main.put(at + 128, std::int32_t{sets.size() > 1 ? 0x8 : 0}); // blends counted as turns
        main.put(at + 136, sequence.blend_range[0]);
        main.put(at + 144, sequence.blend_range[1]);
        main.put(at + 156, std::int32_t{sequence.in_group_file});
        main.put(at + 124, append_animation(sequence.in_group_file ? group : main, sets,
                                            description.bones.size()));
    }

    // The models of all body parts in one array right after them, as the compiler lays them out.
    const std::int32_t parts = main.section(204, description.body_parts.size(), 76);
    std::size_t model_count = 0;
    for (const BodyPart& part : description.body_parts)
        model_count += part.models.size();
    std::int32_t models = main.reserve(model_count * 112);
    std::int32_t base = 1;
    for (std::size_t i = 0; i < description.body_parts.size(); ++i) {
        const BodyPart& part = description.body_parts[i];
        main.put_name(parts + i * 76, part.name);
        main.put(parts + i * 76 + 64, std::array{count(part.models), base, models});
        base *= count(part.models);
        for (const Model& model : part.models) {
            append_model(main, models, model);
            models += 112;
        }
    }

    Buffer textures = header("IDST", 244, "");
    append_textures(description.texture_file ? textures : main, description);
    const auto finished = [](Buffer& file, bool wanted) {
        file.put(72, file.end());
        return wanted ? std::move(file.bytes) : std::vector<std::uint8_t>{};
    };
    return {finished(main, true), finished(textures, description.texture_file),
            finished(group, grouped)};
}

namespace {

Model quad(float y) {
    return {.name = "quad",
            .vertices = {{0, y - 8, 0}, {0, y - 8, 16}, {0, y + 8, 0}, {0, y + 8, 16}},
            .vertex_bones = {0, 0, 0, 0},
            .normals = {{1, 0, 0}},
            .normal_bones = {0},
            .meshes = {{{false, {{0, 0, 0, 8}, {1, 0, 0, 0}, {2, 0, 8, 8}, {3, 0, 8, 0}}}}}};
}

} // namespace

Description tiny_model() {
    Texture checked{.name = "quad.bmp"};
    for (std::size_t at = 0; at < 64; ++at)
        checked.pixels[at] = (at % 8 + at / 8) % 2;
    checked.palette[3] = checked.palette[4] = checked.palette[5] = 255;
    checked.palette[255 * 3 + 2] = 255;
    Sequence idle{.label = "idle", .frames = 3, .bounds = {{{-8, -8, 0}, {8, 8, 16}}}};
    idle.animation = Animation(1);
    idle.animation[0][5] = {0, 4096, 4096};
    return {.name = "test.mdl",
            .bones = {{.name = "root"}},
            .sequences = {idle},
            .body_parts = {{"body", {quad(0)}}},
            .textures = {checked},
            .skins = {{0}}};
}

std::pair<std::string, std::string> tiny_model_in_two_files(bool texture_file) {
    Description description = tiny_model();
    description.texture_file = texture_file;
    description.sequences[0].in_group_file = !texture_file;
    const Files files = write_model(description);
    const auto& companion = texture_file ? files.textures : files.group;
    return {{files.main.begin(), files.main.end()}, {companion.begin(), companion.end()}};
}

Description chained_model(int bone_count) {
    Description description = tiny_model();
    for (int bone = 1; bone < bone_count; ++bone)
        description.bones.push_back(
            {.name = "bone" + std::to_string(bone), .parent = bone - 1, .value = {0, 0, 4}});
    Model& model = description.body_parts[0].models[0];
    const auto last = static_cast<std::uint8_t>(bone_count - 1);
    model.vertex_bones = {0, last, 0, last};
    model.vertices[1].z = model.vertices[3].z = 16 - 4.0f * (bone_count - 1);
    description.sequences[0].animation.resize(bone_count);
    return description;
}

Description two_skin_model() {
    Description description = tiny_model();
    description.textures.push_back({.name = "quad_red.bmp"});
    description.textures[1].palette[0] = 255;
    description.skins = {{0}, {1}};
    return description;
}

Description body_parts_model(const std::vector<int>& choices_per_part) {
    Description description = tiny_model();
    description.body_parts.clear();
    for (const int choices : choices_per_part) {
        BodyPart& part = description.body_parts.emplace_back();
        part.name = "part" + std::to_string(description.body_parts.size() - 1);
        for (int choice = 0; choice < choices; ++choice)
            part.models.push_back(quad(20.0f * static_cast<float>(choice)));
    }
    return description;
}

} // namespace model_writer

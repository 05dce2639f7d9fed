#include "model_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <set>

namespace model_writer {

namespace {

// A file growing at its end; records are reserved first and filled in once the offsets they
// point at are known.
struct Buffer {
    std::vector<std::uint8_t> bytes;

    std::int32_t end() const { return static_cast<std::int32_t>(bytes.size()); }
    // Zero bytes to the next multiple of 4, where the compiler starts each section.
    std::int32_t align() {
        bytes.resize((bytes.size() + 3) / 4 * 4);
        return end();
    }
    std::int32_t reserve(std::size_t count) {
        const std::int32_t at = end();
        bytes.resize(bytes.size() + count);
        return at;
    }
    template <typename T> void put(std::size_t at, const T& value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
    }
    void put_name(std::size_t at, const std::string& name) {
        std::memcpy(bytes.data() + at, name.data(), name.size());
    }
    template <typename T> void append(const T& value) { put(reserve(sizeof value), value); }
    void append(const std::vector<std::uint8_t>& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
    }
};

template <typename T> std::int32_t count(const std::vector<T>& items) {
    return static_cast<std::int32_t>(items.size());
}

void put_header(Buffer& out, const char* id, std::size_t size, const std::string& name) {
    out.reserve(size);
    out.put_name(0, id);
    out.put(4, std::int32_t{10});
    out.put_name(8, name);
}

// The animation block: a 12-byte record per bone, then the channels' samples, each channel as one
// run whose tail of equal samples is stored once.
std::int32_t append_animation(Buffer& out, const Animation& animation, std::size_t bone_count) {
    const std::int32_t block = out.align();
    out.reserve(bone_count * 12);
    for (std::size_t bone = 0; bone < animation.size(); ++bone) {
        for (std::size_t channel = 0; channel < 6; ++channel) {
            const auto& samples = animation[bone][channel];
            if (samples.empty())
                continue;
            const std::size_t record = block + bone * 12;
            out.put(record + channel * 2, static_cast<std::uint16_t>(out.end() - record));
            std::size_t valid = samples.size();
            while (valid > 1 && samples[valid - 2] == samples.back())
                --valid;
            out.append(static_cast<std::uint8_t>(valid));
            out.append(static_cast<std::uint8_t>(samples.size()));
            for (std::size_t i = 0; i < valid; ++i)
                out.append(samples[i]);
        }
    }
    return block;
}

void append_model(Buffer& out, std::size_t record, const Model& model) {
    out.put_name(record, model.name);
    out.put(record + 72, count(model.meshes));
    out.put(record + 80, count(model.vertices));
    out.put(record + 92, count(model.normals));
    out.put(record + 84, out.align());
    out.append(model.vertex_bones);
    out.put(record + 96, out.align());
    out.append(model.normal_bones);
    out.put(record + 88, out.align());
    for (const Point& vertex : model.vertices)
        out.append(vertex);
    out.put(record + 100, out.align());
    for (const Point& normal : model.normals)
        out.append(normal);
    const std::int32_t meshes = out.align();
    out.put(record + 76, meshes);
    out.reserve(model.meshes.size() * 20);
    for (std::size_t i = 0; i < model.meshes.size(); ++i) {
        const std::size_t at = meshes + i * 20;
        std::int32_t triangles = 0;
        std::set<int> normals;
        out.put(at + 4, out.align());
        for (const Command& command : model.meshes[i]) {
            const auto corners = static_cast<std::int16_t>(command.corners.size());
            out.append(static_cast<std::int16_t>(command.fan ? -corners : corners));
            for (const Corner& corner : command.corners) {
                for (const int value : {corner.vertex, corner.normal, corner.s, corner.t})
                    out.append(static_cast<std::int16_t>(value));
                normals.insert(corner.normal);
            }
            triangles += corners - 2;
        }
        out.append(std::int16_t{0});
        out.put(at, triangles);
        out.put(at + 12, static_cast<std::int32_t>(normals.size()));
    }
}

// Texture records, skin table and pixels, into a file whose header is at 0.
void append_textures(Buffer& out, const Description& description) {
    out.put(180, count(description.textures));
    const std::int32_t records = out.align();
    out.put(184, records);
    out.reserve(description.textures.size() * 80);
    out.put(192, count(description.skins.front()));
    out.put(196, count(description.skins));
    out.put(200, out.end());
    for (const auto& family : description.skins)
        for (const int texture : family)
            out.append(static_cast<std::int16_t>(texture));
    for (std::size_t i = 0; i < description.textures.size(); ++i) {
        const Texture& texture = description.textures[i];
        const std::size_t record = records + i * 80;
        const std::int32_t pixels = out.align();
        if (i == 0)
            out.put(188, pixels);
        out.put_name(record, texture.name);
        out.put(record + 64, std::array{texture.flags, texture.width, texture.height, pixels});
        out.append(texture.pixels);
        out.append(texture.palette);
    }
}

} // namespace

Files write_model(const Description& description) {
    Buffer main;
    put_header(main, "IDST", 244, description.name);
    main.put(140, count(description.bones));
    main.put(144, main.end());
    for (const Bone& bone : description.bones) {
        const std::size_t at = main.reserve(112);
        main.put_name(at, bone.name);
        main.put(at + 32, bone.parent);
        main.put(at + 40, std::array{-1, -1, -1, -1, -1, -1}); // no controllers
        main.put(at + 64, bone.value);
        constexpr float position = 1.0f / 256, rotation = std::numbers::pi_v<float> / 8192;
        main.put(at + 88, std::array{position, position, position, rotation, rotation, rotation});
    }

    const auto& sequences = description.sequences;
    const bool group_file = std::ranges::any_of(sequences, &Sequence::in_group_file);
    const std::string stem = description.name.substr(0, description.name.find(".mdl"));
    const std::string group_name = "models\\" + stem + "01.mdl";
    Buffer group;
    put_header(group, "IDSQ", 76, group_name);
    main.put(164, count(sequences));
    main.put(168, main.align());
    const std::int32_t records = main.reserve(sequences.size() * 176);
    main.put(172, std::int32_t{group_file ? 2 : 1});
    main.put(176, main.end());
    const std::int32_t group_records = main.reserve(group_file ? 208 : 104);
    main.put_name(group_records, "default");
    if (group_file)
        main.put_name(group_records + 104 + 32, group_name);
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        const Sequence& sequence = sequences[i];
        const std::size_t at = records + i * 176;
        main.put_name(at, sequence.label);
        main.put(at + 32, sequence.fps);
        main.put(at + 36, std::int32_t{sequence.looping});
        main.put(at + 56, std::int32_t{sequence.frames});
        main.put(at + 96, std::array{sequence.bbmin, sequence.bbmax});
        main.put(at + 120, std::int32_t{1}); // blends
        main.put(at + 144, 1.0f);            // where the blend ends
        main.put(at + 156, std::int32_t{sequence.in_group_file});
        main.put(at + 124, append_animation(sequence.in_group_file ? group : main,
                                            sequence.animation, description.bones.size()));
    }

    main.put(204, count(description.body_parts));
    const std::int32_t parts = main.align();
    main.put(208, parts);
    main.reserve(description.body_parts.size() * 76);
    std::int32_t base = 1;
    for (std::size_t i = 0; i < description.body_parts.size(); ++i) {
        const BodyPart& part = description.body_parts[i];
        const std::int32_t models = main.align();
        main.reserve(part.models.size() * 112);
        main.put_name(parts + i * 76, part.name);
        main.put(parts + i * 76 + 64, std::array{count(part.models), base, models});
        base *= count(part.models);
        for (std::size_t m = 0; m < part.models.size(); ++m)
            append_model(main, models + m * 112, part.models[m]);
    }

    Files files;
    if (description.texture_file) {
        Buffer textures;
        put_header(textures, "IDST", 244, "");
        append_textures(textures, description);
        textures.put(72, textures.end());
        files.textures = std::move(textures.bytes);
    } else {
        append_textures(main, description);
    }
    if (group_file) {
        group.put(72, group.end());
        files.group = std::move(group.bytes);
    }
    main.put(72, main.end());
    files.main = std::move(main.bytes);
    return files;
}

namespace {

Model quad(float y_offset) {
    Model model;
    model.name = "quad";
    model.vertices = {
        {0, -8 + y_offset, 0}, {0, -8 + y_offset, 16}, {0, 8 + y_offset, 0}, {0, 8 + y_offset, 16}};
    model.vertex_bones = {0, 0, 0, 0};
    model.normals = {{1, 0, 0}};
    model.normal_bones = {0};
    model.meshes = {{{false, {{0, 0, 0, 8}, {1, 0, 0, 0}, {2, 0, 8, 8}, {3, 0, 8, 0}}}}};
    return model;
}

} // namespace

Description tiny_model() {
    Texture checked{"quad.bmp", 0, 8, 8, std::vector<std::uint8_t>(64), {}};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            checked.pixels[y * 8 + x] = static_cast<std::uint8_t>((x + y) % 2);
    checked.palette[3] = checked.palette[4] = checked.palette[5] = 255;
    checked.palette[255 * 3 + 2] = 255;
    Sequence idle{.label = "idle", .frames = 3, .bbmin = {-8, -8, 0}, .bbmax = {8, 8, 16}};
    idle.animation = Animation(1);
    idle.animation[0][5] = {0, 4096, 4096};
    return {.name = "test.mdl",
            .bones = {Bone{.name = "root"}},
            .sequences = {idle},
            .body_parts = {{"body", {quad(0)}}},
            .textures = {checked},
            .skins = {{0}}};
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
    Texture red{"quad_red.bmp", 0, 8, 8, std::vector<std::uint8_t>(64), {}};
    red.palette[0] = 255;
    description.textures.push_back(red);
    description.skins = {{0}, {1}};
    return description;
}

Description body_parts_model(const std::vector<int>& choices_per_part) {
    Description description = tiny_model();
    description.body_parts.clear();
    for (std::size_t part = 0; part < choices_per_part.size(); ++part) {
        BodyPart body_part{"part" + std::to_string(part), {}};
        for (int choice = 0; choice < choices_per_part[part]; ++choice)
            body_part.models.push_back(quad(20.0f * static_cast<float>(choice)));
        description.body_parts.push_back(body_part);
    }
    return description;
}

Description large_model() {
    constexpr int bones = 40;
    constexpr int ring = 38; // corners around the tube
    constexpr int frames = 31;
    constexpr double pi = std::numbers::pi;
    Description description;
    description.name = "large.mdl";
    for (int bone = 0; bone < bones; ++bone)
        description.bones.push_back({.name = "bone" + std::to_string(bone),
                                     .parent = bone - 1,
                                     .value = {0, 0, bone == 0 ? 0.0f : 2.0f}});
    Model tube;
    tube.name = "tube";
    for (int level = 0; level <= bones; ++level) {
        for (int i = 0; i < ring; ++i) {
            const auto x = static_cast<float>(std::cos(2 * pi * i / ring));
            const auto y = static_cast<float>(std::sin(2 * pi * i / ring));
            const auto bone = static_cast<std::uint8_t>(std::min(level, bones - 1));
            // Each vertex lies in its bone's space: the ring at the bone's origin, the last ring
            // 2 units above the last bone.
            tube.vertices.push_back({6 * x, 6 * y, level == bones ? 2.0f : 0.0f});
            tube.vertex_bones.push_back(bone);
            tube.normals.push_back({x, y, 0});
            tube.normal_bones.push_back(bone);
        }
    }
    tube.meshes.resize(2);
    for (int level = 0; level < bones; ++level) {
        Command strip;
        for (int i = 0; i <= ring; ++i)
            for (const int l : {level, level + 1})
                strip.corners.push_back({l * ring + i % ring, l * ring + i % ring, i * 512 / ring,
                                         512 - l * 512 / bones});
        tube.meshes[level * 2 / bones].push_back(strip);
    }
    description.body_parts = {{"body", {tube}}};
    Texture texture{"tube.bmp", 0, 512, 512, std::vector<std::uint8_t>(512 * 512), {}};
    for (int at = 0; at < 512 * 512; ++at)
        texture.pixels[at] = static_cast<std::uint8_t>((at % 512) ^ (at / 512));
    for (int entry = 0; entry < 256; ++entry)
        std::ranges::copy(std::array<int, 3>{entry, 255 - entry, 128},
                          texture.palette.begin() + entry * 3);
    description.textures = {texture};
    description.skins = {{0}};
    for (const char* label : {"sway", "bend", "twist", "wave"}) {
        Sequence sequence{.label = label, .fps = 30, .frames = frames};
        sequence.animation.resize(bones);
        // A sine about each axis over the frames, a whole period per sequence.
        for (int bone = 0; bone < bones; ++bone)
            for (int axis = 3; axis < 6; ++axis)
                for (int frame = 0; frame < frames; ++frame)
                    sequence.animation[bone][axis].push_back(static_cast<std::int16_t>(
                        std::lround(300.0 * (axis - 2) *
                                    std::sin(bone * 0.3 + axis + 2 * pi * frame / (frames - 1)))));
        description.sequences.push_back(sequence);
    }
    return description;
}

} // namespace model_writer

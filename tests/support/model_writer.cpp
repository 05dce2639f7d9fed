#include "model_writer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <stdexcept>

namespace model_writer {

namespace {

// A file growing at its end; records are reserved first and filled in once the offsets they
// point at are known.
class Buffer final {
public:
    std::vector<std::uint8_t> bytes;

    std::size_t size() const { return bytes.size(); }

    // Zero bytes to the next multiple of 4; the offset reached.
    std::int32_t align() {
        bytes.resize((bytes.size() + 3) / 4 * 4);
        return offset();
    }

    std::int32_t offset() const { return static_cast<std::int32_t>(bytes.size()); }

    std::int32_t reserve(std::size_t count) {
        const std::int32_t at = offset();
        bytes.resize(bytes.size() + count);
        return at;
    }

    template <typename T> void put(std::size_t at, T value) {
        std::memcpy(bytes.data() + at, &value, sizeof value);
    }
    void put_name(std::size_t at, const std::string& name, std::size_t field) {
        std::memcpy(bytes.data() + at, name.data(), std::min(name.size(), field));
    }
    void put_point(std::size_t at, const Point& point) {
        put(at, point.x);
        put(at + 4, point.y);
        put(at + 8, point.z);
    }
    template <typename T> void append(T value) { put(reserve(sizeof value), value); }
};

constexpr int header_size = 244;
constexpr int group_header_size = 76;

std::string stem_of(const std::string& name) {
    return name.ends_with(".mdl") ? name.substr(0, name.size() - 4) : name;
}

std::string two_digits(int number) {
    return std::string{static_cast<char>('0' + number / 10), static_cast<char>('0' + number % 10)};
}

// A channel's runs: at most 255 frames each, with the tail of equal samples stored once.
void append_runs(Buffer& out, const Channel& samples) {
    for (std::size_t first = 0; first < samples.size();) {
        const std::size_t total = std::min<std::size_t>(255, samples.size() - first);
        std::size_t valid = total;
        while (valid > 1 && samples[first + valid - 2] == samples[first + total - 1])
            --valid;
        out.append(static_cast<std::uint8_t>(valid));
        out.append(static_cast<std::uint8_t>(total));
        for (std::size_t i = 0; i < valid; ++i)
            out.append(samples[first + i]);
        first += total;
    }
}

// The sequence's animation block: every set's 12-byte records, then the runs they point at.
std::int32_t append_animation(Buffer& out, const Sequence& sequence, std::size_t bone_count) {
    const std::int32_t block = out.reserve(sequence.blends.size() * bone_count * 12);
    for (std::size_t blend = 0; blend < sequence.blends.size(); ++blend) {
        const AnimationSet& set = sequence.blends[blend];
        for (std::size_t bone = 0; bone < set.size(); ++bone) {
            const std::size_t record = block + (blend * bone_count + bone) * 12;
            for (std::size_t channel = 0; channel < 6; ++channel) {
                if (set[bone][channel].empty())
                    continue;
                const std::size_t distance = out.size() - record;
                if (distance > 0xFFFF)
                    throw std::length_error("animation runs too far from their record");
                out.put(record + channel * 2, static_cast<std::uint16_t>(distance));
                append_runs(out, set[bone][channel]);
            }
        }
    }
    return block;
}

void put_header_start(Buffer& out, const char* id, const std::string& name) {
    std::memcpy(out.bytes.data(), id, 4);
    out.put(4, std::int32_t{10});
    out.put_name(8, name, 64);
}

// Texture records, skin table and pixels, into a file whose header is at 0.
void append_textures(Buffer& out, const Description& description) {
    if (!description.textures.empty()) {
        out.put(180, static_cast<std::int32_t>(description.textures.size()));
        out.put(184, out.align());
    }
    const std::int32_t records = out.reserve(description.textures.size() * 80);
    if (!description.skins.empty()) {
        out.put(192, static_cast<std::int32_t>(description.skins.front().size()));
        out.put(196, static_cast<std::int32_t>(description.skins.size()));
        out.put(200, out.offset());
        for (const auto& family : description.skins)
            for (const int texture : family)
                out.append(static_cast<std::int16_t>(texture));
    }
    for (std::size_t i = 0; i < description.textures.size(); ++i) {
        const Texture& texture = description.textures[i];
        const std::size_t record = records + i * 80;
        const std::int32_t pixels = out.align();
        if (i == 0)
            out.put(188, pixels);
        out.put_name(record, texture.name, 64);
        out.put(record + 64, texture.flags);
        out.put(record + 68, texture.width);
        out.put(record + 72, texture.height);
        out.put(record + 76, pixels);
        out.bytes.insert(out.bytes.end(), texture.pixels.begin(), texture.pixels.end());
        out.bytes.insert(out.bytes.end(), texture.palette.begin(), texture.palette.end());
    }
}

void append_model(Buffer& out, std::size_t record, const Model& model) {
    out.put_name(record, model.name, 64);
    out.put(record + 72, static_cast<std::int32_t>(model.meshes.size()));
    out.put(record + 80, static_cast<std::int32_t>(model.vertices.size()));
    out.put(record + 92, static_cast<std::int32_t>(model.normals.size()));
    const auto append_bytes = [&](std::size_t field, const std::vector<std::uint8_t>& bytes) {
        if (bytes.empty())
            return;
        out.put(record + field, out.align());
        out.bytes.insert(out.bytes.end(), bytes.begin(), bytes.end());
    };
    const auto append_points = [&](std::size_t field, const std::vector<Point>& points) {
        if (points.empty())
            return;
        out.put(record + field, out.align());
        for (const Point& point : points)
            out.put_point(out.reserve(12), point);
    };
    append_bytes(84, model.vertex_bones);
    append_bytes(96, model.normal_bones);
    append_points(88, model.vertices);
    append_points(100, model.normals);
    if (model.meshes.empty())
        return;
    const std::int32_t meshes = out.align();
    out.put(record + 76, meshes);
    out.reserve(model.meshes.size() * 20);
    for (std::size_t i = 0; i < model.meshes.size(); ++i) {
        const Mesh& mesh = model.meshes[i];
        const std::size_t at = meshes + i * 20;
        std::int32_t triangles = 0;
        std::set<int> normals;
        out.put(at + 4, out.align());
        for (const Command& command : mesh.commands) {
            const auto count = static_cast<std::int16_t>(command.corners.size());
            out.append(static_cast<std::int16_t>(command.fan ? -count : count));
            for (const Corner& corner : command.corners) {
                out.append(static_cast<std::int16_t>(corner.vertex));
                out.append(static_cast<std::int16_t>(corner.normal));
                out.append(static_cast<std::int16_t>(corner.s));
                out.append(static_cast<std::int16_t>(corner.t));
                normals.insert(corner.normal);
            }
            triangles += count - 2;
        }
        out.append(std::int16_t{0});
        out.put(at, triangles);
        out.put(at + 8, static_cast<std::int32_t>(mesh.skin_reference));
        out.put(at + 12, static_cast<std::int32_t>(normals.size()));
    }
}

void append_body_parts(Buffer& out, const Description& description) {
    if (description.body_parts.empty())
        return;
    out.put(204, static_cast<std::int32_t>(description.body_parts.size()));
    const std::int32_t parts = out.align();
    out.put(208, parts);
    out.reserve(description.body_parts.size() * 76);
    std::int32_t base = 1;
    for (std::size_t i = 0; i < description.body_parts.size(); ++i) {
        const BodyPart& part = description.body_parts[i];
        const std::size_t at = parts + i * 76;
        const std::int32_t models = out.align();
        out.reserve(part.models.size() * 112);
        out.put_name(at, part.name, 64);
        out.put(at + 64, static_cast<std::int32_t>(part.models.size()));
        out.put(at + 68, base);
        out.put(at + 72, models);
        base *= static_cast<std::int32_t>(part.models.size());
        for (std::size_t m = 0; m < part.models.size(); ++m)
            append_model(out, models + m * 112, part.models[m]);
    }
}

// The sequence records and group records, and the animation of group 0; where the records are.
std::int32_t append_sequences(Buffer& out, const Description& description, int groups) {
    const auto& sequences = description.sequences;
    if (!sequences.empty()) {
        out.put(164, static_cast<std::int32_t>(sequences.size()));
        out.put(168, out.align());
    }
    const std::int32_t records = out.reserve(sequences.size() * 176);
    out.put(172, groups);
    out.put(176, out.offset());
    const std::int32_t group_records = out.reserve(groups * 104);
    out.put_name(group_records, "default", 32);
    for (int group = 1; group < groups; ++group)
        out.put_name(group_records + group * 104 + 32,
                     "models\\" + stem_of(description.name) + two_digits(group) + ".mdl", 64);
    for (std::size_t i = 0; i < sequences.size(); ++i) {
        const Sequence& sequence = sequences[i];
        const std::size_t at = records + i * 176;
        out.put_name(at, sequence.label, 32);
        out.put(at + 32, sequence.fps);
        out.put(at + 36, std::int32_t{sequence.looping ? 1 : 0});
        out.put(at + 56, static_cast<std::int32_t>(sequence.frames));
        out.put_point(at + 96, sequence.bbmin);
        out.put_point(at + 108, sequence.bbmax);
        out.put(at + 120, static_cast<std::int32_t>(sequence.blends.size()));
        out.put(at + 144, 1.0f);
        out.put(at + 156, static_cast<std::int32_t>(sequence.group));
        if (sequence.group == 0) {
            out.align();
            out.put(at + 124, append_animation(out, sequence, description.bones.size()));
        }
    }
    return records;
}

// The group file's animation blocks; their offsets go into the main file's sequence records.
std::vector<std::uint8_t> write_group(const Description& description, int group, Buffer& main,
                                      std::size_t sequence_records) {
    Buffer out;
    out.reserve(group_header_size);
    const std::string name = "models\\" + stem_of(description.name) + two_digits(group) + ".mdl";
    put_header_start(out, "IDSQ", name);
    for (std::size_t i = 0; i < description.sequences.size(); ++i)
        if (description.sequences[i].group == group)
            main.put(sequence_records + i * 176 + 124,
                     append_animation(out, description.sequences[i], description.bones.size()));
    out.put(72, out.offset());
    return std::move(out.bytes);
}

} // namespace

Files write_model(const Description& description) {
    Buffer main;
    main.reserve(header_size);
    put_header_start(main, "IDST", description.name);
    if (!description.bones.empty()) {
        main.put(140, static_cast<std::int32_t>(description.bones.size()));
        main.put(144, main.offset());
    }
    for (const Bone& bone : description.bones) {
        const std::size_t at = main.reserve(112);
        main.put_name(at, bone.name, 32);
        main.put(at + 32, static_cast<std::int32_t>(bone.parent));
        for (std::size_t j = 0; j < 6; ++j) {
            main.put(at + 40 + j * 4, static_cast<std::int32_t>(bone.controllers[j]));
            main.put(at + 64 + j * 4, bone.value[j]);
            main.put(at + 88 + j * 4, bone.scale[j]);
        }
    }
    if (!description.controllers.empty()) {
        main.put(148, static_cast<std::int32_t>(description.controllers.size()));
        main.put(152, main.offset());
    }
    for (const Controller& controller : description.controllers) {
        const std::size_t at = main.reserve(24);
        main.put(at, static_cast<std::int32_t>(controller.bone));
        main.put(at + 4, static_cast<std::int32_t>(controller.type));
        main.put(at + 8, controller.start);
        main.put(at + 12, controller.end);
    }
    int groups = 1;
    for (const Sequence& sequence : description.sequences)
        groups = std::max(groups, sequence.group + 1);
    const std::int32_t sequence_records = append_sequences(main, description, groups);
    append_body_parts(main, description);

    Files files;
    if (description.texture_file) {
        Buffer textures;
        textures.reserve(header_size);
        put_header_start(textures, "IDST", "");
        append_textures(textures, description);
        textures.put(72, textures.offset());
        files.textures = std::move(textures.bytes);
    } else {
        append_textures(main, description);
    }
    for (int group = 1; group < groups; ++group)
        files.groups.push_back(write_group(description, group, main, sequence_records));
    main.put(72, main.offset());
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
    model.meshes = {{0, {{false, {{0, 0, 0, 8}, {1, 0, 0, 0}, {2, 0, 8, 8}, {3, 0, 8, 0}}}}}};
    return model;
}

Texture checked_texture() {
    Texture texture{"quad.bmp", 0, 8, 8, std::vector<std::uint8_t>(64), {}};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            texture.pixels[y * 8 + x] = static_cast<std::uint8_t>((x + y) % 2);
    texture.palette[3] = texture.palette[4] = texture.palette[5] = 255;
    texture.palette[255 * 3 + 2] = 255;
    return texture;
}

// Samples of a sway about one axis: a sine over the frames, a whole period per sequence.
Channel sway(int frames, double amplitude, double phase) {
    Channel samples(frames);
    for (int frame = 0; frame < frames; ++frame)
        samples[frame] = static_cast<std::int16_t>(
            std::lround(amplitude * std::sin(phase + 2 * 3.14159265358979 * frame / (frames - 1))));
    return samples;
}

} // namespace

Description tiny_model() {
    Description description;
    description.name = "test.mdl";
    description.bones = {Bone{.name = "root"}};
    Sequence idle{.label = "idle", .frames = 3, .bbmin = {-8, -8, 0}, .bbmax = {8, 8, 16}};
    idle.blends = {AnimationSet(1)};
    idle.blends[0][0][5] = {0, 4096, 4096};
    description.sequences = {idle};
    description.body_parts = {{"body", {quad(0)}}};
    description.textures = {checked_texture()};
    description.skins = {{0}};
    return description;
}

Description chained_model(int bone_count) {
    Description description = tiny_model();
    for (int bone = 1; bone < bone_count; ++bone) {
        Bone child{.name = "bone" + std::to_string(bone), .parent = bone - 1};
        child.value[2] = 4;
        description.bones.push_back(child);
    }
    Model& model = description.body_parts[0].models[0];
    const auto last = static_cast<std::uint8_t>(bone_count - 1);
    model.vertex_bones = {0, last, 0, last};
    model.vertices[1].z = model.vertices[3].z = 16 - 4.0f * (bone_count - 1);
    for (AnimationSet& set : description.sequences[0].blends)
        set.resize(bone_count);
    return description;
}

Description fan_model() {
    Description description = tiny_model();
    description.body_parts[0].models[0].meshes[0].commands = {
        {true, {{0, 0, 0, 8}, {1, 0, 0, 0}, {3, 0, 8, 0}, {2, 0, 8, 8}}}};
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
        for (int choice = 0; choice < choices_per_part[part]; ++choice) {
            body_part.models.push_back(quad(20.0f * choice));
            body_part.models.back().name = "choice" + std::to_string(choice);
        }
        description.body_parts.push_back(body_part);
    }
    return description;
}

Description large_model() {
    constexpr int bones = 40;
    constexpr int ring = 38; // corners around the tube
    constexpr int frames = 31;
    constexpr double pi = 3.14159265358979;
    Description description;
    description.name = "large.mdl";
    for (int bone = 0; bone < bones; ++bone) {
        Bone b{.name = "bone" + std::to_string(bone), .parent = bone - 1};
        b.value[2] = bone == 0 ? 0.0f : 2.0f;
        description.bones.push_back(b);
    }
    Model tube;
    tube.name = "tube";
    for (int level = 0; level <= bones; ++level) {
        for (int i = 0; i < ring; ++i) {
            const double angle = 2 * pi * i / ring;
            const auto x = static_cast<float>(std::cos(angle));
            const auto y = static_cast<float>(std::sin(angle));
            const int bone = std::min(level, bones - 1);
            // Each vertex lies in its bone's space: the ring at the bone's origin, the last ring
            // 2 units above the last bone.
            tube.vertices.push_back({6 * x, 6 * y, level == bones ? 2.0f : 0.0f});
            tube.vertex_bones.push_back(static_cast<std::uint8_t>(bone));
            tube.normals.push_back({x, y, 0});
            tube.normal_bones.push_back(static_cast<std::uint8_t>(bone));
        }
    }
    for (int half = 0; half < 2; ++half) {
        Mesh mesh;
        for (int level = half * bones / 2; level < (half + 1) * bones / 2; ++level) {
            Command strip;
            for (int i = 0; i <= ring; ++i) {
                const int column = i % ring;
                const int s = i * 512 / ring;
                for (const int l : {level, level + 1}) {
                    const int vertex = l * ring + column;
                    strip.corners.push_back({vertex, vertex, s, 512 - l * 512 / bones});
                }
            }
            mesh.commands.push_back(strip);
        }
        tube.meshes.push_back(mesh);
    }
    description.body_parts = {{"body", {tube}}};
    Texture texture{"tube.bmp", 0, 512, 512, std::vector<std::uint8_t>(512 * 512), {}};
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            texture.pixels[y * 512 + x] = static_cast<std::uint8_t>((x ^ y) & 255);
    for (int entry = 0; entry < 256; ++entry) {
        texture.palette[entry * 3] = static_cast<std::uint8_t>(entry);
        texture.palette[entry * 3 + 1] = static_cast<std::uint8_t>(255 - entry);
        texture.palette[entry * 3 + 2] = 128;
    }
    description.textures = {texture};
    description.skins = {{0}};
    for (const char* label : {"sway", "bend", "twist", "wave"}) {
        Sequence sequence{.label = label, .fps = 30, .frames = frames};
        AnimationSet set(bones);
        for (int bone = 0; bone < bones; ++bone)
            for (int axis = 3; axis < 6; ++axis)
                set[bone][axis] = sway(frames, 300.0 * (axis - 2), bone * 0.3 + axis);
        sequence.blends = {set};
        description.sequences.push_back(sequence);
    }
    return description;
}

} // namespace model_writer

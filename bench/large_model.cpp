#include "large_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

model_writer::Description large_model(int ring, int frames) {
    using namespace model_writer;
    constexpr int bones = 40;
    constexpr double pi = std::numbers::pi;
    Description description;
    description.name = "large.mdl";
    Model tube;
    tube.name = "tube";
    tube.meshes.resize(2);
    for (int level = 0; level <= bones; ++level) {
        if (level < bones)
            description.bones.push_back({.name = "bone" + std::to_string(level),
                                         .parent = level - 1,
                                         .value = {0, 0, level == 0 ? 0.0f : 2.0f}});
        // Each ring lies in its bone's space: at the bone's origin, the last 2 units above the
        // last bone.
        const auto bone = static_cast<std::uint8_t>(std::min(level, bones - 1));
        for (int i = 0; i < ring; ++i) {
            const auto x = static_cast<float>(std::cos(2 * pi * i / ring));
            const auto y = static_cast<float>(std::sin(2 * pi * i / ring));
            tube.vertices.push_back({6 * x, 6 * y, level == bones ? 2.0f : 0.0f});
            tube.normals.push_back({x, y, 0});
        }
        tube.vertex_bones.insert(tube.vertex_bones.end(), ring, bone);
        if (level == bones)
            break;
        Command strip;
        for (int i = 0; i <= ring; ++i)
            for (const int l : {level, level + 1})
                strip.corners.push_back({l * ring + i % ring, l * ring + i % ring, i * 512 / ring,
                                         512 - l * 512 / bones});
        tube.meshes[level * 2 / bones].push_back(strip);
    }
    tube.normal_bones = tube.vertex_bones;
    description.body_parts = {{"body", {tube}}};
    Texture texture{"tube.bmp", 0, 512, 512, std::vector<std::uint8_t>(512 * 512)};
    for (std::size_t at = 0; at < texture.pixels.size(); ++at)
        texture.pixels[at] = static_cast<std::uint8_t>((at % 512) ^ (at / 512));
    for (std::size_t entry = 0; entry < 256; ++entry)
        std::ranges::copy(std::array<std::size_t, 3>{entry, 255 - entry, 128},
                          texture.palette.begin() + entry * 3);
    description.textures = {texture};
    description.skins = {{0}};
    Animation swaying(bones);
    // About each axis of each bone, a sine over the frames, a whole period per sequence.
    for (int bone = 0; bone < bones; ++bone)
        for (int axis = 3; axis < 6; ++axis)
            for (int frame = 0; frame < frames; ++frame)
                swaying[bone][axis].push_back(static_cast<std::int16_t>(
                    std::lround(300.0 * (axis - 2) *
                                std::sin(bone * 0.3 + axis + 2 * pi * frame / (frames - 1)))));
    for (const char* label : {"sway", "bend", "twist", "wave"})
        description.sequences.push_back(
            {.label = label, .fps = 30, .frames = frames, .animation = swaying});
    Sequence& sink = description.sequences.emplace_back(Sequence{
        .label = "sink", .fps = 30, .looping = false, .frames = frames, .animation = swaying});
    for (int frame = 0; frame < frames; ++frame)
        sink.animation[0][2].push_back(static_cast<std::int16_t>(-36 * 256 * frame / (frames - 1)));
    // Each bone of a blend set turns about Y by the same angle: -0.04, 0 or 0.04 radians.
    const auto bent = [&](int towards) {
        Animation set(bones);
        for (auto& channels : set)
            channels[4].assign(frames, static_cast<std::int16_t>(towards * 104));
        return set;
    };
    Sequence& aim = description.sequences.emplace_back(
        Sequence{.label = "aim", .fps = 30, .frames = frames, .animation = bent(-1)});
    aim.more_blends = {bent(0), bent(1)};
    aim.blend_range = {-90, 90};
    return description;
}

model_writer::Description player_sized_model(int variant) {
    using namespace model_writer;
    constexpr int limbs = 16, sequences = 120, frames = 31;
    Description description = large_model();
    for (int limb = 0; limb < limbs; ++limb)
        description.bones.push_back(
            {.name = "limb" + std::to_string(limb), .parent = 20 + limb, .value = {3, 1, 0}});
    const auto bones = description.bones.size();
    description.sequences.clear();
    for (int sequence = 0; sequence < sequences; ++sequence) {
        Animation moving(bones);
        for (std::size_t bone = 0; bone < bones; ++bone)
            for (int channel = 0; channel < 6; ++channel)
                for (int frame = 0; frame < frames; ++frame)
                    moving[bone][channel].push_back(static_cast<std::int16_t>(
                        std::lround(600 * std::sin(variant + sequence + 0.3 * bone + channel +
                                                   2 * std::numbers::pi * frame / (frames - 1)))));
        description.sequences.push_back({.label = "move" + std::to_string(sequence),
                                         .fps = 30,
                                         .frames = frames,
                                         .animation = std::move(moving)});
    }
    return description;
}

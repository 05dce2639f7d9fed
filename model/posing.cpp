#include "model/posing.h"

#include "model/animation.h"
#include "model/bytes.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstring>

namespace model {

namespace {

struct Quaternion {
    float x = 0;
    float y = 0;
    float z = 0;
    float w = 1;
};

// A bone's six channels at one frame: X, Y, Z position, then roll, pitch and yaw in radians.
using Channels = std::array<float, 6>;

// Roll about X first, then pitch about Y, then yaw about Z, all about the parent's axes.
Quaternion from_angles(float roll, float pitch, float yaw) {
    const float sx = std::sin(roll / 2), cx = std::cos(roll / 2);
    const float sy = std::sin(pitch / 2), cy = std::cos(pitch / 2);
    const float sz = std::sin(yaw / 2), cz = std::cos(yaw / 2);
    return {sx * cy * cz - cx * sy * sz, cx * sy * cz + sx * cy * sz, cx * cy * sz - sx * sy * cz,
            cx * cy * cz + sx * sy * sz};
}

// Along the shorter arc.
Quaternion slerp(Quaternion a, const Quaternion& b, float t) {
    float cosine = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    if (cosine < 0) {
        a = {-a.x, -a.y, -a.z, -a.w};
        cosine = -cosine;
    }
    float from_a = 1 - t;
    float from_b = t;
    // Nearly equal rotations divide by almost nothing; the straight line between them is as good.
    if (cosine < 0.9999f) {
        const float angle = std::acos(cosine);
        const float sine = std::sin(angle);
        from_a = std::sin((1 - t) * angle) / sine;
        from_b = std::sin(t * angle) / sine;
    }
    Quaternion q{from_a * a.x + from_b * b.x, from_a * a.y + from_b * b.y,
                 from_a * a.z + from_b * b.z, from_a * a.w + from_b * b.w};
    const float length = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
    return {q.x / length, q.y / length, q.z / length, q.w / length};
}

// A bone's place relative to its parent: how it is turned and where it sits.
struct Placement {
    Quaternion rotation;
    Vec3 position;
};

Placement placement(const Channels& c) {
    return {from_angles(c[3], c[4], c[5]), {c[0], c[1], c[2]}};
}

// Positions along a straight line, rotations along the shorter arc.
Placement mix(const Placement& a, const Placement& b, float t) {
    const auto along = [t](float from, float to) { return from + (to - from) * t; };
    return {slerp(a.rotation, b.rotation, t),
            {along(a.position.x, b.position.x), along(a.position.y, b.position.y),
             along(a.position.z, b.position.z)}};
}

BoneTransform local_transform(const Placement& placement) {
    const Quaternion& q = placement.rotation;
    const Vec3& p = placement.position;
    return {{{1 - 2 * (q.y * q.y + q.z * q.z), 2 * (q.x * q.y - q.w * q.z),
              2 * (q.x * q.z + q.w * q.y), p.x},
             {2 * (q.x * q.y + q.w * q.z), 1 - 2 * (q.x * q.x + q.z * q.z),
              2 * (q.y * q.z - q.w * q.x), p.y},
             {2 * (q.x * q.z - q.w * q.y), 2 * (q.y * q.z + q.w * q.x),
              1 - 2 * (q.x * q.x + q.y * q.y), p.z}}};
}

// Written out rather than looped, as it is taken for every bone of every pose; each sum in the
// order a loop over k would take it.
BoneTransform combine(const BoneTransform& parent, const BoneTransform& local) {
    BoneTransform world;
    for (std::size_t row = 0; row < 3; ++row) {
        const auto& p = parent[row];
        const auto column = [&](std::size_t c) {
            return p[0] * local[0][c] + p[1] * local[1][c] + p[2] * local[2][c];
        };
        world[row] = {column(0), column(1), column(2),
                      p[3] + p[0] * local[0][3] + p[1] * local[1][3] + p[2] * local[2][3]};
    }
    return world;
}

// A sequence's moment: its animation, the two frames the pose lies between and how far along.
struct Moment {
    const Animation* animation = nullptr;
    int first = 0;
    int next = 0;
    float t = 0;
};

// Where the animation record of a bone in a blend set lies in the animation's file.
std::uint64_t record_at(const StudioModel::Data& data, const Animation& animation,
                        std::size_t blend, std::size_t bone) {
    return static_cast<std::uint64_t>(animation.block) +
           (blend * data.bones.size() + bone) * layout::animation_record::size;
}

// Where channel j's first run lies, 0 for a channel without runs, whose samples are all 0.
std::uint64_t first_run(std::span<const std::uint8_t> file, std::uint64_t record, std::size_t j) {
    // The reader checked every record and run of the animation to its last frame.
    assert(record + layout::animation_record::size <= file.size());
    std::uint16_t offset = 0;
    std::memcpy(&offset, file.data() + record + j * layout::animation_record::channel_offset_size,
                sizeof offset);
    return offset == 0 ? 0 : record + offset;
}

// Channel j of a bone at a sample of its runs, the controllers added.
float channel_value(const StudioModel::Data& data, const BoneData& bone, std::size_t j,
                    int sample) {
    float value = bone.value[j] + static_cast<float>(sample) * bone.scale[j];
    if (bone.controllers[j] >= 0)
        value += data.controller_settings[static_cast<std::size_t>(bone.controllers[j])];
    return value;
}

// The channels of a bone at a frame of one blend set.
Channels channels_at(const StudioModel::Data& data, const Animation& animation, std::size_t blend,
                     std::size_t bone, int frame) {
    const auto file = view_of(data.files[static_cast<std::size_t>(animation.file)]).bytes;
    const std::uint64_t record = record_at(data, animation, blend, bone);
    Channels channels{};
    for (std::size_t j = 0; j < channels.size(); ++j) {
        int sample = 0;
        if (const std::uint64_t run = first_run(file, record, j)) {
            const SampleLookup lookup = find_sample(file, run, frame);
            assert(lookup.problem == RunProblem::none && "checked when the model was read");
            sample = lookup.sample;
        }
        channels[j] = channel_value(data, data.bones[bone], j, sample);
    }
    return channels;
}

// A bone of one blend set at the moment, between its two frames.
Placement placement_at(const StudioModel::Data& data, const Moment& moment, std::size_t blend,
                       std::size_t bone) {
    const Placement first =
        placement(channels_at(data, *moment.animation, blend, bone, moment.first));
    if (moment.next == moment.first || moment.t == 0)
        return first;
    return mix(first, placement(channels_at(data, *moment.animation, blend, bone, moment.next)),
               moment.t);
}

} // namespace

Vec3 rotate(const BoneTransform& m, const Vec3& d) {
    return {m[0][0] * d.x + m[0][1] * d.y + m[0][2] * d.z,
            m[1][0] * d.x + m[1][1] * d.y + m[1][2] * d.z,
            m[2][0] * d.x + m[2][1] * d.y + m[2][2] * d.z};
}

std::vector<BoneTransform> pose_bones(const StudioModel::Data& data, int sequence, float frame,
                                      float blend) {
    std::vector<BoneTransform> world(data.bones.size());
    const Animation* animation =
        sequence < 0 ? nullptr : &data.animations[static_cast<std::size_t>(sequence)];
    const int first = static_cast<int>(frame);
    const Moment moment{animation, first,
                        animation ? std::min(first + 1, animation->frames - 1) : 0,
                        frame - static_cast<float>(first)};
    const auto set = static_cast<std::size_t>(blend);
    const std::size_t next_set =
        animation ? std::min(set + 1, static_cast<std::size_t>(animation->blends - 1)) : set;
    const float towards_next = blend - static_cast<float>(set);
    for (std::size_t b = 0; b < data.bones.size(); ++b) {
        const BoneData& bone = data.bones[b];
        Placement local;
        if (!animation) {
            local = placement(bone.value);
        } else {
            local = placement_at(data, moment, set, b);
            if (next_set != set && towards_next > 0)
                local = mix(local, placement_at(data, moment, next_set, b), towards_next);
        }
        world[b] = bone.parent < 0 ? local_transform(local)
                                   : combine(world[static_cast<std::size_t>(bone.parent)],
                                             local_transform(local));
    }
    return world;
}

FramePoser::FramePoser(const StudioModel::Data& data, int sequence, const std::vector<bool>& wanted)
    : data_(data), animation_(data.animations[static_cast<std::size_t>(sequence)]),
      world_(data.bones.size()) {
    std::vector<bool> posed = wanted;
    for (std::size_t b = data.bones.size(); b-- > 0;) {
        if (posed[b] && data.bones[b].parent >= 0)
            posed[static_cast<std::size_t>(data.bones[b].parent)] = true;
    }
    for (std::size_t b = 0; b < posed.size(); ++b) {
        if (posed[b])
            posed_.push_back(b);
    }
}

void FramePoser::start_set(int blend) {
    const auto file = view_of(data_.files[static_cast<std::size_t>(animation_.file)]).bytes;
    cursors_.clear();
    for (const std::size_t b : posed_) {
        const std::uint64_t record =
            record_at(data_, animation_, static_cast<std::size_t>(blend), b);
        for (std::size_t j = 0; j < std::tuple_size_v<Channels>; ++j) {
            auto& cursor = cursors_.emplace_back();
            if (const std::uint64_t run = first_run(file, record, j)) {
                cursor.emplace(Cursor{RunWalk(file, run, RunReading::strict)});
                [[maybe_unused]] const bool walked = cursor->walk.next();
                assert(walked && "checked when the model was read");
            }
        }
    }
    set_ = blend;
}

const std::vector<BoneTransform>& FramePoser::pose(int frame, int blend) {
    if (blend != set_ || frame < frame_)
        start_set(blend);
    frame_ = frame;
    auto cursor = cursors_.begin();
    for (const std::size_t b : posed_) {
        const BoneData& bone = data_.bones[b];
        Channels channels{};
        for (std::size_t j = 0; j < channels.size(); ++j, ++cursor) {
            int sample = 0;
            if (*cursor) {
                // As find_sample() walks from the first run.
                RunWalk& walk = (*cursor)->walk;
                int& run_start = (*cursor)->run_start;
                while (frame - run_start >= walk.total()) {
                    run_start += walk.total();
                    [[maybe_unused]] const bool walked = walk.next();
                    assert(walked && "checked when the model was read");
                }
                sample = walk.sample_of(frame - run_start);
            }
            channels[j] = channel_value(data_, bone, j, sample);
        }
        const BoneTransform local = local_transform(placement(channels));
        world_[b] =
            bone.parent < 0 ? local : combine(world_[static_cast<std::size_t>(bone.parent)], local);
    }
    return world_;
}

int sequence_in_range(const StudioModel::Data& data, int sequence) {
    return std::clamp(sequence, -1, static_cast<int>(data.sequences.size()) - 1);
}

std::vector<const ModelData*> chosen_models(const StudioModel::Data& data,
                                            const std::vector<int>& choices) {
    std::vector<const ModelData*> models;
    for (std::size_t p = 0; p < data.body_parts.size(); ++p) {
        const auto& part = data.body_parts[p].models;
        const int choice = p < choices.size() ? choices[p] : 0;
        models.push_back(&part[static_cast<std::size_t>(
            std::clamp(choice, 0, static_cast<int>(part.size()) - 1))]);
    }
    return models;
}

} // namespace model

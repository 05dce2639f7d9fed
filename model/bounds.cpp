#include "model/model_data.h"
#include "model/posing.h"
#include "model/vector_of_four.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace model {

namespace {

// Vertex positions transformed over all poses of a sequence at the most: some 20 ms of work. Real
// models stay well within it at every frame of every blend set; the poses of a hostile file's
// longer sequences are sampled evenly.
constexpr std::int64_t transform_budget = 1 << 24;

// Each vertex the models' meshes draw, once, in its bone's space: bone by bone, each coordinate
// in an array of its own, and each bone's points made a whole number of fours by repeating its
// last, which moves no corner of a box.
struct BonePoints {
    std::vector<float> x, y, z;
    std::vector<std::size_t> bone_ends; // bone b's points end at bone_ends[b]
    std::size_t drawn = 0;              // without the repeated ones
};

BonePoints drawn_vertices(const std::vector<const ModelData*>& models, std::size_t bone_count) {
    struct Drawn {
        std::uint8_t bone;
        Vec3 position;
    };
    std::vector<Drawn> drawn_points;
    std::vector<bool> drawn;
    for (const ModelData* model : models) {
        drawn.assign(model->vertices.size(), false);
        for (const MeshData& mesh : model->meshes)
            for (const Corner& corner : mesh.corners)
                drawn[corner.vertex] = true;
        for (std::size_t i = 0; i < drawn.size(); ++i)
            if (drawn[i])
                drawn_points.push_back({model->vertex_bones[i], model->vertices[i]});
    }
    std::ranges::stable_sort(drawn_points, {}, &Drawn::bone);
    BonePoints points;
    points.drawn = drawn_points.size();
    const auto add = [&points](const Vec3& position) {
        points.x.push_back(position.x);
        points.y.push_back(position.y);
        points.z.push_back(position.z);
    };
    auto point = drawn_points.begin();
    for (std::size_t b = 0; b < bone_count; ++b) {
        for (; point != drawn_points.end() && point->bone == b; ++point)
            add(point->position);
        while (points.x.size() % lanes != 0)
            add({points.x.back(), points.y.back(), points.z.back()});
        points.bone_ends.push_back(points.x.size());
    }
    return points;
}

} // namespace

std::optional<Box> StudioModel::bounds(const Pose& pose) const {
    const Data& data = *data_;
    const BonePoints points =
        drawn_vertices(chosen_models(data, pose.body_choices), data.bones.size());
    if (points.drawn == 0)
        return std::nullopt;
    const int sequence = sequence_in_range(data, pose.sequence);
    const Animation* animation =
        sequence < 0 ? nullptr : &data.animations[static_cast<std::size_t>(sequence)];
    const std::int64_t frames = animation ? animation->frames : 1;
    const std::int64_t poses = frames * (animation ? animation->blends : 1);
    const std::int64_t affordable =
        std::max<std::int64_t>(1, transform_budget / static_cast<std::int64_t>(points.drawn));
    const std::int64_t step = (poses + affordable - 1) / affordable;
    constexpr float unbounded = std::numeric_limits<float>::infinity();
    Four low_x = Four{} + unbounded, low_y = low_x, low_z = low_x;
    Four high_x = Four{} - unbounded, high_y = high_x, high_z = high_x;
    std::optional<FramePoser> poser;
    if (animation) {
        std::vector<bool> wanted(data.bones.size());
        for (std::size_t b = 0; b < wanted.size(); ++b)
            wanted[b] = points.bone_ends[b] > (b == 0 ? 0 : points.bone_ends[b - 1]);
        poser.emplace(data, sequence, wanted);
    }
    const auto reference = poser ? std::vector<BoneTransform>() : pose_bones(data, -1, 0, 0);
    for (std::int64_t at = 0; at < poses; at += step) {
        const auto& bones =
            poser ? poser->pose(static_cast<int>(at % frames), static_cast<int>(at / frames))
                  : reference;
        std::size_t begin = 0;
        for (std::size_t b = 0; b < bones.size(); begin = points.bone_ends[b++]) {
            const BoneTransform& m = bones[b];
            for (std::size_t i = begin; i < points.bone_ends[b]; i += lanes) {
                const Four x = four_of(&points.x[i]), y = four_of(&points.y[i]),
                           z = four_of(&points.z[i]);
                const Four px = x * m[0][0] + y * m[0][1] + z * m[0][2] + m[0][3];
                const Four py = x * m[1][0] + y * m[1][1] + z * m[1][2] + m[1][3];
                const Four pz = x * m[2][0] + y * m[2][1] + z * m[2][2] + m[2][3];
                low_x = lesser(px, low_x);
                low_y = lesser(py, low_y);
                low_z = lesser(pz, low_z);
                high_x = greater(px, high_x);
                high_y = greater(py, high_y);
                high_z = greater(pz, high_z);
            }
        }
    }
    return Box{{least_of(low_x), least_of(low_y), least_of(low_z)},
               {greatest_of(high_x), greatest_of(high_y), greatest_of(high_z)}};
}

} // namespace model

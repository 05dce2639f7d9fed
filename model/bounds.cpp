#include "model/model_data.h"
#include "model/posing.h"

#include <algorithm>
#include <limits>

namespace model {

namespace {

// Vertex positions transformed over all poses of a sequence at the most: some 20 ms of work. Real
// models stay well within it at every frame of every blend set; the poses of a hostile file's
// longer sequences are sampled evenly.
constexpr std::int64_t transform_budget = 1 << 24;

// Each vertex the models' meshes draw, once, in its bone's space: bone by bone, each coordinate
// in an array of its own, so that a bone's points are moved by one matrix in a loop the compiler
// vectorises.
struct BonePoints {
    std::vector<float> x, y, z;
    std::vector<std::size_t> bone_ends; // bone b's points end at bone_ends[b]

    std::size_t size() const { return x.size(); }
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
    points.bone_ends.assign(bone_count, 0);
    for (const Drawn& point : drawn_points) {
        points.x.push_back(point.position.x);
        points.y.push_back(point.position.y);
        points.z.push_back(point.position.z);
        ++points.bone_ends[point.bone];
    }
    for (std::size_t b = 1; b < bone_count; ++b)
        points.bone_ends[b] += points.bone_ends[b - 1];
    return points;
}

} // namespace

std::optional<Box> StudioModel::bounds(const Pose& pose) const {
    const Data& data = *data_;
    const BonePoints points =
        drawn_vertices(chosen_models(data, pose.body_choices), data.bones.size());
    if (points.size() == 0)
        return std::nullopt;
    const int sequence = sequence_in_range(data, pose.sequence);
    const Animation* animation =
        sequence < 0 ? nullptr : &data.animations[static_cast<std::size_t>(sequence)];
    const std::int64_t frames = animation ? animation->frames : 1;
    const std::int64_t poses = frames * (animation ? animation->blends : 1);
    const std::int64_t affordable =
        std::max<std::int64_t>(1, transform_budget / static_cast<std::int64_t>(points.size()));
    const std::int64_t step = (poses + affordable - 1) / affordable;
    // Grown without the branch of include(), so that the loop over the points vectorises.
    constexpr float unbounded = std::numeric_limits<float>::infinity();
    float low_x = unbounded, low_y = unbounded, low_z = unbounded;
    float high_x = -unbounded, high_y = -unbounded, high_z = -unbounded;
    for (std::int64_t at = 0; at < poses; at += step) {
        const auto bones = pose_bones(data, sequence, static_cast<float>(at % frames),
                                      static_cast<float>(at / frames));
        std::size_t begin = 0;
        for (std::size_t b = 0; b < bones.size(); begin = points.bone_ends[b++]) {
            const BoneTransform& m = bones[b];
            for (std::size_t i = begin; i < points.bone_ends[b]; ++i) {
                const float x = points.x[i], y = points.y[i], z = points.z[i];
                const float px = m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3];
                const float py = m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3];
                const float pz = m[2][0] * x + m[2][1] * y + m[2][2] * z + m[2][3];
                low_x = std::min(low_x, px);
                low_y = std::min(low_y, py);
                low_z = std::min(low_z, pz);
                high_x = std::max(high_x, px);
                high_y = std::max(high_y, py);
                high_z = std::max(high_z, pz);
            }
        }
    }
    return Box{{low_x, low_y, low_z}, {high_x, high_y, high_z}};
}

} // namespace model

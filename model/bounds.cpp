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

struct BonePoint {
    std::uint8_t bone = 0;
    Vec3 position;
};

// Each vertex the models' meshes draw, once, in its bone's space.
std::vector<BonePoint> drawn_vertices(const std::vector<const ModelData*>& models) {
    std::vector<BonePoint> points;
    std::vector<bool> drawn;
    for (const ModelData* model : models) {
        drawn.assign(model->vertices.size(), false);
        for (const MeshData& mesh : model->meshes)
            for (const Corner& corner : mesh.corners)
                drawn[corner.vertex] = true;
        for (std::size_t i = 0; i < drawn.size(); ++i)
            if (drawn[i])
                points.push_back({model->vertex_bones[i], model->vertices[i]});
    }
    return points;
}

} // namespace

std::optional<Box> StudioModel::bounds(const Pose& pose) const {
    const Data& data = *data_;
    const std::vector<BonePoint> points = drawn_vertices(chosen_models(data, pose.body_choices));
    const int sequence = sequence_in_range(data, pose.sequence);
    const Animation* animation =
        sequence < 0 ? nullptr : &data.animations[static_cast<std::size_t>(sequence)];
    const std::int64_t frames = animation ? animation->frames : 1;
    const std::int64_t poses = frames * (animation ? animation->blends : 1);
    const std::int64_t affordable =
        std::max<std::int64_t>(1, transform_budget / std::max<std::int64_t>(1, points.size()));
    const std::int64_t step = (poses + affordable - 1) / affordable;
    if (points.empty())
        return std::nullopt;
    // Grown without the branch of include(), so that the loop over the points vectorises.
    constexpr float unbounded = std::numeric_limits<float>::infinity();
    Vec3 low{unbounded, unbounded, unbounded}, high{-unbounded, -unbounded, -unbounded};
    for (std::int64_t at = 0; at < poses; at += step) {
        const auto bones = pose_bones(data, sequence, static_cast<float>(at % frames),
                                      static_cast<float>(at / frames));
        for (const BonePoint& point : points) {
            const Vec3 p = transform_point(bones[point.bone], point.position);
            low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
            high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        }
    }
    return Box{low, high};
}

} // namespace model

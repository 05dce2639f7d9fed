#include "model/model_data.h"
#include "model/posing.h"
#include "model/vector_of_four.h"

#include <algorithm>
#include <cmath>
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
    // Around each bone's points, a box centred on a point of its space.
    std::vector<Vec3> centres;
    std::vector<Vec3> halves;
};

// Whether each point of the box around a bone's points, moved by the bone, lies inside the box so
// far, with a margin far wider than the rounding of any point moved one by one: then none of the
// points can widen the box.
bool moved_inside(const BoneTransform& m, Vec3 centre, Vec3 half, const Box& so_far) {
    const float lows[] = {so_far.min.x, so_far.min.y, so_far.min.z};
    const float highs[] = {so_far.max.x, so_far.max.y, so_far.max.z};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& row = m[k];
        const float moved = row[0] * centre.x + row[1] * centre.y + row[2] * centre.z + row[3];
        const float reach =
            std::abs(row[0]) * half.x + std::abs(row[1]) * half.y + std::abs(row[2]) * half.z;
        const float margin =
            1e-5f * (std::abs(row[0]) * (std::abs(centre.x) + half.x) +
                     std::abs(row[1]) * (std::abs(centre.y) + half.y) +
                     std::abs(row[2]) * (std::abs(centre.z) + half.z) + std::abs(row[3]));
        // Written so that a NaN anywhere answers no.
        if (!(moved - reach - margin >= lows[k] && moved + reach + margin <= highs[k]))
            return false;
    }
    return true;
}

BonePoints drawn_vertices(const std::vector<const ModelData*>& models, std::size_t bone_count) {
    // Which vertices the meshes draw, and how many of them each bone carries.
    std::vector<std::vector<std::uint8_t>> drawn(models.size());
    std::vector<std::size_t> counts(bone_count);
    for (std::size_t m = 0; m < models.size(); ++m) {
        drawn[m].assign(models[m]->vertices.size(), 0);
        for (const MeshData& mesh : models[m]->meshes)
            for (const Corner& corner : mesh.corners)
                drawn[m][corner.vertex] = 1;
        for (std::size_t i = 0; i < drawn[m].size(); ++i)
            counts[models[m]->vertex_bones[i]] += drawn[m][i];
    }
    BonePoints points;
    std::vector<std::size_t> next; // where each bone's next point goes
    for (const std::size_t count : counts) {
        const std::size_t begin = points.bone_ends.empty() ? 0 : points.bone_ends.back();
        next.push_back(begin);
        points.bone_ends.push_back(begin + (count + lanes - 1) / lanes * lanes);
        points.drawn += count;
    }
    const std::size_t size = points.bone_ends.empty() ? 0 : points.bone_ends.back();
    points.x.resize(size);
    points.y.resize(size);
    points.z.resize(size);
    std::vector<std::optional<Box>> boxes(bone_count);
    for (std::size_t m = 0; m < models.size(); ++m) {
        for (std::size_t i = 0; i < drawn[m].size(); ++i) {
            if (!drawn[m][i])
                continue;
            const std::uint8_t bone = models[m]->vertex_bones[i];
            const Vec3& position = models[m]->vertices[i];
            const std::size_t at = next[bone]++;
            points.x[at] = position.x;
            points.y[at] = position.y;
            points.z[at] = position.z;
            include(boxes[bone], position);
        }
    }
    for (std::size_t b = 0; b < bone_count; ++b) {
        for (std::size_t at = next[b]; at < points.bone_ends[b]; ++at) {
            points.x[at] = points.x[at - 1];
            points.y[at] = points.y[at - 1];
            points.z[at] = points.z[at - 1];
        }
        const Box around = boxes[b].value_or(Box{});
        points.centres.push_back({(around.min.x + around.max.x) / 2,
                                  (around.min.y + around.max.y) / 2,
                                  (around.min.z + around.max.z) / 2});
        points.halves.push_back({(around.max.x - around.min.x) / 2,
                                 (around.max.y - around.min.y) / 2,
                                 (around.max.z - around.min.z) / 2});
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
        // Most bones move inside the box that earlier poses made.
        const Box so_far{{least_of(low_x), least_of(low_y), least_of(low_z)},
                         {greatest_of(high_x), greatest_of(high_y), greatest_of(high_z)}};
        std::size_t begin = 0;
        for (std::size_t b = 0; b < bones.size(); begin = points.bone_ends[b++]) {
            const BoneTransform& m = bones[b];
            if (begin == points.bone_ends[b] ||
                moved_inside(m, points.centres[b], points.halves[b], so_far))
                continue;
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

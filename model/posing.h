#pragma once

#include "model/model_data.h"
#include "model/runs.h"

#include <array>
#include <optional>
#include <vector>

namespace model {

// A bone's place in model space: a rotation (the first three columns) and a translation (the
// fourth), row by row.
using BoneTransform = std::array<std::array<float, 4>, 3>;

inline Vec3 origin(const BoneTransform& bone) {
    return {bone[0][3], bone[1][3], bone[2][3]};
}
// Inline, as bounds take it for every vertex of every frame.
inline Vec3 transform_point(const BoneTransform& m, const Vec3& p) {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
}
Vec3 rotate(const BoneTransform& bone, const Vec3& direction);

// Every bone in model space: in the reference pose for sequence -1, else at the frame of the
// sequence, between two frames interpolated. blend counts the sequence's blend sets from 0, and
// between two sets mixes them. Sequence, frame and blend must be in range.
std::vector<BoneTransform> pose_bones(const StudioModel::Data& data, int sequence, float frame,
                                      float blend);

// The poses of one sequence at its whole frames and blend sets, as framing takes them one after
// another: each channel's runs are walked on from the frame before rather than from the first run,
// and only the bones asked for are posed, with their parents. Each pose is the one pose_bones()
// gives for the same frame and blend set.
class FramePoser final {
public:
    // wanted holds a flag for each bone; sequence must be in range, not -1.
    FramePoser(const StudioModel::Data& data, int sequence, const std::vector<bool>& wanted);

    // The bones at a frame of a blend set, both in range; a bone neither wanted nor a parent of
    // one is left at zero. Walks on where the frame follows the last one asked for in the same
    // set, else starts the set afresh.
    const std::vector<BoneTransform>& pose(int frame, int blend);

private:
    // Where a channel's runs have been walked to.
    struct Cursor {
        RunWalk walk;
        int run_start = 0; // the first frame of the run walked onto
    };

    void start_set(int blend);

    const StudioModel::Data& data_;
    const Animation& animation_;
    std::vector<std::size_t> posed_; // the wanted bones and their parents, parents first
    std::vector<std::optional<Cursor>> cursors_; // channel by channel of each posed bone
    int set_ = -1;
    int frame_ = 0;
    std::vector<BoneTransform> world_;
};

// The sequence kept in range, -1 for the reference pose; and the model of each body part that
// the choices select, a choice out of range counting as the nearest one.
int sequence_in_range(const StudioModel::Data& data, int sequence);
std::vector<const ModelData*> chosen_models(const StudioModel::Data& data,
                                            const std::vector<int>& choices);

} // namespace model

#pragma once

#include "model/model_data.h"

#include <array>
#include <vector>

namespace model {

// A bone's place in model space: a rotation (the first three columns) and a translation (the
// fourth), row by row.
using BoneTransform = std::array<std::array<float, 4>, 3>;

inline Vec3 origin(const BoneTransform& bone) {
    return {bone[0][3], bone[1][3], bone[2][3]};
}
Vec3 transform_point(const BoneTransform& bone, const Vec3& point);
Vec3 rotate(const BoneTransform& bone, const Vec3& direction);

// Every bone in model space: in the reference pose for sequence -1, else at the frame of the
// sequence's middle blend, between two frames interpolated. Sequence and frame must be in range.
std::vector<BoneTransform> pose_bones(const StudioModel::Data& data, int sequence, float frame);

} // namespace model

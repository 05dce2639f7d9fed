#pragma once

#include "model/file_bytes.h"
#include "model/model_data.h"

#include <vector>

namespace model {

// The bones, each after its parent, their values and scales numbers, their controllers real.
std::vector<BoneData> read_bones(const FileBytes& file, const Table& bones,
                                 std::int64_t controller_count);

// Each bone controller's setting: 0 brought into its range, as the game leaves it before anything
// moves it.
std::vector<float> read_controller_settings(const FileBytes& file, const Table& controllers,
                                            std::int64_t bone_count);

// Attachments are not drawn, but each must name a bone.
void check_attachments(const FileBytes& file, const Table& attachments, std::int64_t bone_count);

} // namespace model

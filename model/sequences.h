#pragma once

#include "model/file_bytes.h"
#include "model/model_data.h"

#include <vector>

namespace model {

struct SequenceRecord {
    SequenceInfo info;
    int group = 0;       // 0: the main file holds its animation
    Animation animation; // file left at 0 until the group's file is known
};

// The sequences of the main file, with frames, blends, events and groups in range; their
// animation is checked once the file holding it is read.
std::vector<SequenceRecord> read_sequences(const FileBytes& file, const Table& sequences,
                                           std::int64_t group_count);

} // namespace model

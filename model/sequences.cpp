#include "model/sequences.h"

#include "model/limits.h"

namespace model {

std::vector<SequenceRecord> read_sequences(const FileBytes& file, const Table& sequences,
                                           std::int64_t group_count) {
    std::vector<SequenceRecord> records;
    for (std::int64_t s = 0; s < sequences.count; ++s) {
        const std::uint64_t at = sequences.offset + static_cast<std::uint64_t>(s) * 176;
        SequenceRecord record;
        record.info.name = file.text(at, 32);
        const std::string sequence = "sequence " + record.info.name;
        record.info.fps = file.f32(at + 32);
        record.info.looping = file.i32(at + 36) & 1;
        file.table_at(at + 48, at + 52, 76, limits::events, "events of " + sequence);
        const std::int32_t frames = file.i32(at + 56);
        if (frames < 1 || frames > limits::frames)
            file.damaged(sequence + " has " + std::to_string(frames) + " frames");
        const std::int32_t blends = file.i32(at + 120);
        if (blends < 1 || blends > limits::blends)
            file.damaged(sequence + " has " + std::to_string(blends) + " blends");
        record.group = file.i32(at + 156);
        if (record.group < 0 || record.group >= group_count)
            file.damaged(sequence + " names group " + std::to_string(record.group) + " of " +
                         std::to_string(group_count));
        record.info.frame_count = frames;
        record.animation.frames = frames;
        record.animation.blends = blends;
        record.animation.block = file.i32(at + 124);
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace model

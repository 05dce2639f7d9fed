#include "model/sequences.h"

#include "model/limits.h"

#include <cmath>

namespace model {

std::vector<SequenceRecord> read_sequences(const FileBytes& file, const Table& sequences,
                                           std::int64_t group_count) {
    std::vector<SequenceRecord> records;
    for (std::int64_t s = 0; s < sequences.count; ++s) {
        namespace fields = layout::sequence;
        const std::uint64_t at = sequences.at(s);
        SequenceRecord record;
        record.info.name = file.text(at + fields::label, fields::label_size);
        const std::string sequence = "sequence " + record.info.name;
        record.info.fps = file.f32(at + fields::fps);
        record.info.looping = file.i32(at + fields::flags) & fields::looping;
        file.table_at(at, fields::events, layout::event::size, limits::events,
                      "events of " + sequence);
        const std::int32_t frames = file.i32(at + fields::frame_count);
        if (frames < 1 || frames > limits::frames)
            file.damaged(sequence + " has " + std::to_string(frames) + " frames");
        const std::int32_t blends = file.i32(at + fields::blend_count);
        if (blends < 1 || blends > limits::blends)
            file.damaged(sequence + " has " + std::to_string(blends) + " blends");
        record.group = file.i32(at + fields::group);
        if (record.group < 0 || record.group >= group_count)
            file.damaged(sequence + " names group " + std::to_string(record.group) + " of " +
                         std::to_string(group_count));
        record.info.frame_count = frames;
        record.info.blends = blends;
        // The range only labels the blends: a value that is no number reads as 0.
        const auto number = [&](std::uint64_t field) {
            const float value = file.f32(at + field);
            return std::isfinite(value) ? value : 0.0f;
        };
        record.info.blend_start = number(fields::blend_start);
        record.info.blend_end = number(fields::blend_end);
        record.info.blend_turns = file.i32(at + fields::blend_type) & layout::rotations;
        record.animation.frames = frames;
        record.animation.blends = blends;
        record.animation.block = file.i32(at + fields::animation);
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace model

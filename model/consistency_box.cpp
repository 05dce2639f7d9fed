#include "model/channel_range.h"
#include "model/limits.h"
#include "model/measured_file.h"
#include "model/posing.h"
#include "model/server_check.h"
#include "model/vector_of_four.h"

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace model {

namespace {

namespace header = layout::header;
using Axes = std::array<float, layout::position_channels>;

// Records are vouched for whole, though the game reads only some of their fields: no file that
// the game's compiler wrote ends inside one.
constexpr std::int64_t size_of(layout::Offset record_size) {
    return static_cast<std::int64_t>(record_size);
}

// Step 1: every vertex, as stored in its bone's space, of the models the game takes for the body
// parts': as many as they count together, in one array right after the last body part, wherever
// each body part's own models are.
void include_vertices(const MeasuredFile& measured, std::optional<Box>& box) {
    namespace body_part = layout::body_part;
    namespace body_model = layout::body_model;
    namespace points = layout::points;
    const FileBytes& file = measured.file();
    const std::int32_t part_count = file.i32(header::body_parts.count);
    const std::int64_t parts = file.i32(header::body_parts.offset);
    std::int64_t model_count = 0;
    for (std::int64_t p = 0; p < part_count; ++p) {
        const std::uint64_t at =
            measured.inside(parts + p * size_of(body_part::size), body_part::size,
                            [p] { return "body part " + std::to_string(p); });
        model_count += file.i32(at + body_part::model_count);
    }
    if (model_count > std::numeric_limits<std::int32_t>::max() ||
        model_count < std::numeric_limits<std::int32_t>::min())
        throw Refusal{said("its body parts count %1 models together, more than the game can count",
                           model_count)};
    const std::int64_t models = parts + part_count * size_of(body_part::size);
    std::int64_t vertices_left = limits::measured_vertices;
    for (std::int64_t m = 0; m < model_count; ++m) {
        const std::string model = "model " + std::to_string(m) + " after the body parts";
        const std::uint64_t at = measured.inside(models + m * size_of(body_model::size),
                                                 body_model::size, [&model] { return model; });
        const std::int32_t count = file.i32(at + body_model::vertices + points::count);
        if (count <= 0)
            continue;
        const std::uint64_t first =
            measured.inside(file.i32(at + body_model::vertices + points::positions),
                            count * layout::vec3_size, [&] { return "the vertices of " + model; });
        vertices_left -= count;
        if (vertices_left < 0)
            throw Refusal{said("the game reads more than %1 vertices of its models, more than "
                               "Tessary measures",
                               limits::measured_vertices)};
        const auto positions = file.span(first, count * layout::vec3_size);
        for (std::int64_t i = 0; i < count; ++i) {
            const Vec3 vertex = point_in(positions, static_cast<std::size_t>(i));
            // Whether a box takes a NaN in depends on how the game compares, and an infinity
            // leaves no excess to tell.
            if (!std::isfinite(vertex.x) || !std::isfinite(vertex.y) || !std::isfinite(vertex.z))
                throw Refusal{
                    said("vertex %1 of %2 has a coordinate that is not a number", i, model)};
            include(box, vertex);
        }
    }
}

// What the measurement takes of the bones: each position channel's values and scales, bone after
// bone, made a whole number of fours by repeating the last bone, which moves no extreme.
struct BonePositions {
    std::array<std::vector<float>, layout::position_channels> value;
    std::array<std::vector<float>, layout::position_channels> scale;
};

// Of a file that has bones, so that each channel has a last one to repeat.
BonePositions bone_positions(const MeasuredFile& measured) {
    namespace bone = layout::bone;
    const FileBytes& file = measured.file();
    const std::int32_t count = file.i32(header::bones.count); // at most 128: the game refuses more
    const std::int64_t bones = file.i32(header::bones.offset);
    BonePositions positions;
    for (std::int64_t b = 0; b < count; ++b) {
        const std::uint64_t at = measured.inside(bones + b * size_of(bone::size), bone::size,
                                                 [b] { return "bone " + std::to_string(b); });
        for (std::uint64_t j = 0; j < layout::position_channels; ++j) {
            const float value = file.f32(at + bone::value + 4 * j);
            const float scale = file.f32(at + bone::scale + 4 * j);
            // Infinities could meet in a NaN that the game's comparisons would treat their own way.
            if (!std::isfinite(value) || !std::isfinite(scale))
                throw Refusal{
                    said("bone %1 has a position value or scale that is not a finite number", b)};
            positions.value[j].push_back(value);
            positions.scale[j].push_back(scale);
        }
    }
    for (std::uint64_t j = 0; j < layout::position_channels; ++j) {
        while (positions.value[j].size() % lanes != 0) {
            positions.value[j].push_back(positions.value[j].back());
            positions.scale[j].push_back(positions.scale[j].back());
        }
    }
    return positions;
}

// A position channel of four bones at a sample, in single precision as the game computes it: the
// product rounded, then the sum.
Four channel_at(Four value, Four scale, std::int16_t sample) {
    const Four moved = static_cast<float>(sample) * scale;
    return value + moved;
}

// How far each bone's position channels reach over a sequence, all read through one record.
// Rounding keeps the order of samples, so each bone's extremes lie at the channel's extremes.
Axes extent(const BonePositions& bones,
            const std::array<SampleRange, layout::position_channels>& ranges) {
    Axes size{};
    for (std::size_t j = 0; j < layout::position_channels; ++j) {
        // No bone's reach is a NaN: values and scales are finite, their sums at most infinite.
        constexpr float unbounded = std::numeric_limits<float>::infinity();
        Four least = Four{} + unbounded;
        Four greatest = Four{} - unbounded;
        for (std::size_t b = 0; b < bones.value[j].size(); b += lanes) {
            const Four value = four_of(&bones.value[j][b]);
            const Four scale = four_of(&bones.scale[j][b]);
            const Four at_least = channel_at(value, scale, ranges[j].least);
            const Four at_greatest = channel_at(value, scale, ranges[j].greatest);
            least = lesser(least, lesser(at_least, at_greatest));
            greatest = greater(greatest, greater(at_least, at_greatest));
        }
        size[j] = greatest_of(greatest) - least_of(least);
    }
    return size;
}

std::string sequence_name(const FileBytes& file, std::uint64_t at, std::int64_t index) {
    namespace sequence = layout::sequence;
    const std::string label = file.text(at + sequence::label, sequence::label_size);
    return "sequence " + (label.empty() ? std::to_string(index) : label);
}

// Step 2: for each sequence, the box its bones' positions span over its frames, every bone's
// channels read through the sequence's first animation record (blend 0, bone 0) in this file,
// even when a group file holds the animation; both corners of a box of that size centred on the
// origin are points of the model's box.
void include_sequences(const MeasuredFile& measured, std::optional<Box>& box) {
    namespace sequence = layout::sequence;
    namespace record = layout::animation_record;
    const FileBytes& file = measured.file();
    const std::int32_t count = file.i32(header::sequences.count);
    if (count > limits::sequences)
        throw Refusal{said("it counts %1 sequences, more than the %2 Tessary measures", count,
                           limits::sequences)};
    const std::int64_t sequences = file.i32(header::sequences.offset);
    const bool has_bones = file.i32(header::bones.count) > 0;
    std::optional<BonePositions> bones; // read once a sequence needs them
    std::int64_t words_left = limits::measured_animation_words;
    for (std::int64_t s = 0; s < count; ++s) {
        const std::uint64_t at =
            measured.inside(sequences + s * size_of(sequence::size), sequence::size,
                            [s] { return "sequence " + std::to_string(s); });
        // Named only when a refusal names them, as building names costs more than measuring.
        const auto name = [&] { return sequence_name(file, at, s); };
        const std::int32_t frames = file.i32(at + sequence::frame_count);
        if (frames < 1 || !has_bones)
            continue;
        if (frames > limits::frames)
            throw Refusal{said("%1 has %2 frames, more than the %3 Tessary measures", name(),
                               frames, limits::frames)};
        if (!bones)
            bones = bone_positions(measured);
        const auto animation = [&] {
            return "the animation of " + name() +
                   (file.i32(at + sequence::group) == 0
                        ? ""
                        : " from this file although its group file holds it");
        };
        const std::int64_t first_record = file.i32(at + sequence::animation);
        const std::uint64_t offsets = measured.inside(
            first_record, layout::position_channels * record::channel_offset_size, animation);
        std::array<SampleRange, layout::position_channels> ranges{};
        for (std::uint64_t j = 0; j < layout::position_channels; ++j) {
            const std::uint16_t offset = file.u16(offsets + j * record::channel_offset_size);
            if (offset != 0)
                ranges[j] = channel_range(
                    measured, first_record + offset, frames,
                    [&animation, j] {
                        return std::string("channel ") + "XYZ"[j] + " of " + animation();
                    },
                    words_left);
        }
        const Axes size = extent(*bones, ranges);
        const Vec3 half{size[0] / 2, size[1] / 2, size[2] / 2};
        if (!std::isfinite(half.x) || !std::isfinite(half.y) || !std::isfinite(half.z))
            throw Refusal{said("the bones of %1 reach beyond the range of a float", name())};
        include(box, half);
        include(box, {-half.x, -half.y, -half.z});
    }
}

} // namespace

platform::Result<Box> measure_consistency_box(FileView file) {
    if (studio_kind(file.bytes) == StudioKind::none)
        return platform::fail(said("it is not a model file"));
    if (const auto refusal = load_refusal(file.bytes))
        return platform::fail(said("the game does not load it (%1)", *refusal));
    return read_refusing([&] {
        const MeasuredFile measured(file);
        std::optional<Box> box;
        include_vertices(measured, box);
        include_sequences(measured, box);
        return box.value_or(Box{});
    });
}

} // namespace model

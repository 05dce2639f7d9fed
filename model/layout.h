#pragma once

#include <cstdint>

// Where everything lies in the game's studio model files: the size of each record and the offset
// of each field the reader uses within its record, named once. Offsets in the file itself are
// byte offsets from the start of the file that holds them.
namespace model::layout {

using Offset = std::uint64_t;

// A count of records and the offset of the first, stored side by side as two ints.
struct TableField {
    Offset count;
    Offset offset;
};

inline constexpr Offset vec3_size = 12;
inline constexpr Offset name_size = 64; // most names; bones, sequences and attachments have 32

// The header of a main file and of a texture file.
namespace header {
inline constexpr Offset size = 244;
inline constexpr Offset id = 0;
inline constexpr Offset version = 4;
inline constexpr Offset name = 8;
inline constexpr Offset length = 72;
inline constexpr TableField bones{140, 144};
inline constexpr TableField bone_controllers{148, 152};
inline constexpr TableField hit_boxes{156, 160};
inline constexpr TableField sequences{164, 168};
inline constexpr TableField sequence_groups{172, 176};
inline constexpr TableField textures{180, 184};
inline constexpr Offset skin_references = 192;
inline constexpr Offset skin_families = 196;
inline constexpr Offset skin_table = 200;
inline constexpr TableField body_parts{204, 208};
inline constexpr TableField attachments{212, 216};
} // namespace header

// The header of a sequence group file; its id, version, name and length lie where the main
// header's do.
namespace group_header {
inline constexpr Offset size = 76;
} // namespace group_header

inline constexpr char main_id[] = "IDST";
inline constexpr char group_id[] = "IDSQ";
inline constexpr std::int32_t version = 10;

namespace bone {
inline constexpr Offset size = 112;
inline constexpr Offset parent = 32;
inline constexpr Offset controllers = 40; // int[6], one per channel
inline constexpr Offset value = 64;       // float[6]
inline constexpr Offset scale = 88;       // float[6]
} // namespace bone

// A bone's channels: X, Y, Z position, then rotation about X, Y and Z.
inline constexpr int channels = 6;
inline constexpr int position_channels = 3;
// The motion-type bits of the rotation channels, as bone controllers and blends name them; the
// other bits name the position channels.
inline constexpr std::int32_t rotations = 0x8 | 0x10 | 0x20;

namespace bone_controller {
inline constexpr Offset size = 24;
inline constexpr Offset bone = 0;
inline constexpr Offset type = 4;
inline constexpr Offset start = 8;
inline constexpr Offset end = 12;
inline constexpr std::int32_t wraps = 0x8000;
} // namespace bone_controller

namespace hit_box {
inline constexpr Offset size = 32;
} // namespace hit_box

namespace sequence {
inline constexpr Offset size = 176;
inline constexpr Offset label = 0;
inline constexpr Offset label_size = 32;
inline constexpr Offset fps = 32;
inline constexpr Offset flags = 36;
inline constexpr TableField events{48, 52};
inline constexpr Offset frame_count = 56;
inline constexpr Offset blend_count = 120;
inline constexpr Offset animation = 124;
inline constexpr Offset blend_type = 128;  // of the first of two blend axes; the second is unused
inline constexpr Offset blend_start = 136; // float: the value at the first blend set
inline constexpr Offset blend_end = 144;   // float: the value at the last
inline constexpr Offset group = 156;
inline constexpr std::int32_t looping = 0x1;
} // namespace sequence

namespace event {
inline constexpr Offset size = 76;
} // namespace event

namespace sequence_group {
inline constexpr Offset size = 104;
inline constexpr Offset path = 32; // char[64]: the group file as the game loads it, in cstrike
} // namespace sequence_group

namespace attachment {
inline constexpr Offset size = 88;
inline constexpr Offset bone = 36;
} // namespace attachment

// The six channel offsets of one bone in one blend of a sequence's animation, each counted from
// the record itself; 0 where the channel is not animated.
namespace animation_record {
inline constexpr Offset size = 12;
inline constexpr Offset channel_offset_size = 2;
} // namespace animation_record

// A run of a channel's samples: a byte of samples stored, a byte of frames covered, then the
// samples, each a short.
namespace run {
inline constexpr Offset header_size = 2;
inline constexpr Offset sample_size = 2;
} // namespace run

namespace texture {
inline constexpr Offset size = 80;
inline constexpr Offset name = 0;
inline constexpr Offset flags = 64;
inline constexpr Offset width = 68;
inline constexpr Offset height = 72;
inline constexpr Offset pixels = 76;
inline constexpr Offset palette_size = 256 * 3; // after the pixels
inline constexpr std::int32_t chrome = 0x02;
inline constexpr std::int32_t full_bright = 0x04;
inline constexpr std::int32_t additive = 0x20;
inline constexpr std::int32_t masked = 0x40;
} // namespace texture

inline constexpr Offset skin_entry_size = 2;

namespace body_part {
inline constexpr Offset size = 76;
inline constexpr Offset name = 0;
inline constexpr Offset model_count = 64;
inline constexpr Offset base = 68;
inline constexpr Offset models = 72;
} // namespace body_part

// One choice of a body part.
namespace body_model {
inline constexpr Offset size = 112;
inline constexpr Offset name = 0;
inline constexpr TableField meshes{72, 76};
inline constexpr Offset vertices = 80; // count, then the offsets of the bone bytes and the points
inline constexpr Offset normals = 92;  // likewise
} // namespace body_model

// Points on bones, at the model's vertices or normals field: a count, the offset of one bone byte
// per point, the offset of the points.
namespace points {
inline constexpr Offset count = 0;
inline constexpr Offset bones = 4;
inline constexpr Offset positions = 8;
} // namespace points

namespace mesh {
inline constexpr Offset size = 20;
inline constexpr Offset triangle_count = 0;
inline constexpr Offset commands = 4;
inline constexpr Offset skin_reference = 8;
} // namespace mesh

// A triangle command: a short count, then that many corners.
namespace corner {
inline constexpr Offset size = 8;
inline constexpr Offset vertex = 0;
inline constexpr Offset normal = 2;
inline constexpr Offset s = 4;
inline constexpr Offset t = 6;
} // namespace corner

} // namespace model::layout

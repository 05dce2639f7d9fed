#pragma once

#include <cstddef>
#include <cstdint>

// How much of each thing the reader accepts. The counts follow the game's own limits where its
// files could not go beyond them, and stay generous elsewhere; the totals keep a hostile file,
// whose records may all point at the same bytes, from costing more memory or time than the
// largest real model.
namespace model::limits {

inline constexpr std::size_t file_size = 64 << 20; // a model file read whole; none comes near

inline constexpr std::int64_t bones = 128; // a vertex names its bone in one byte
inline constexpr std::int64_t bone_controllers = 8;
inline constexpr std::int64_t hit_boxes = 4096;
inline constexpr std::int64_t attachments = 512;
inline constexpr std::int64_t sequences = 2048;
inline constexpr std::int64_t sequence_groups = 100; // group files are numbered with two digits
inline constexpr std::int64_t events = 1024;         // per sequence
inline constexpr std::int64_t frames = 65536;        // per sequence
inline constexpr std::int64_t blends = 16;
inline constexpr std::int64_t textures = 1024;
inline constexpr std::int64_t skin_references = 1024;
inline constexpr std::int64_t skin_families = 256;
inline constexpr std::int64_t texture_side = 4096;
inline constexpr std::int64_t body_parts = 32;
inline constexpr std::int64_t models = 32; // per body part
inline constexpr std::int64_t meshes = 256;
inline constexpr std::int64_t vertices = 32767; // per model; triangles name them in signed shorts
inline constexpr std::int64_t corners = 65536;  // triangle-command corners per mesh

inline constexpr std::int64_t total_vertices = 1 << 20; // and as many normals, over all models
inline constexpr std::int64_t total_corners = 1 << 20;
inline constexpr std::int64_t total_texels = 1 << 24;
inline constexpr std::int64_t total_animation_runs = 1 << 23;

// What measuring a model as the game does follows at most, besides the counts of sequences and
// frames above: the vertices it reads over all models, which a hostile file's models may all
// share, and the words of animation runs it walks over all sequences, whose channels may all
// point at one long chain. Real models stay far within both.
inline constexpr std::int64_t measured_vertices = 1 << 20;
inline constexpr std::int64_t measured_animation_words = 1 << 24;

} // namespace model::limits

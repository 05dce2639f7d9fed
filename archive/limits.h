#pragma once

#include <cstddef>
#include <cstdint>

// How much of an archive Tessary reads. Real packs of models stay far below each limit; the
// limits keep a hostile archive from costing more time, memory or disk than the largest real one.
namespace archive {

// The largest file inside an archive that Tessary lists and extracts: larger than any model file,
// and small enough that no archive can fill a disk through it.
inline constexpr std::uint64_t max_file_size = std::uint64_t{256} << 20;

// The most that one import or preview takes out of an archive in all: a model's main file, its
// texture file and up to 99 sequence-group files come to a few MB in real models.
inline constexpr std::uint64_t max_extracted_size = std::uint64_t{300} << 20;

// The deepest and longest path of an entry that Tessary lists: names in it, and its bytes.
inline constexpr std::size_t max_path_depth = 64;
inline constexpr std::size_t max_path_length = 1024;

// The most entries an archive may hold for Tessary to read it.
inline constexpr std::size_t max_entries = 100'000;

} // namespace archive

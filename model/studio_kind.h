#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// What stands in a model file's place in the game, and whether the game loads it there.
namespace model {

enum class StudioKind {
    none,         // not a studio file at all: opaque to Tessary, which gives it no verdict
    model,        // a model, of whatever version
    texture_file, // the textures of a model that keeps them apart ("gignT.mdl")
    group_file,   // the animation of a model's sequence group ("gign01.mdl")
};

// Told from the file's first bytes: its 244-byte header at most.
StudioKind studio_kind(std::span<const std::uint8_t> bytes);

// Why the game stops with an error when it loads the file in a model's place, judged from the
// file alone, whose header is enough: a sequence group file or a texture file, a model of another
// version than 10, one cut short inside its header, one of more than 128 bones. A companion file
// that is missing is the caller's to find, through companion_needs(). Nothing when the game loads
// the file, and nothing for a file that is not a studio file at all.
std::optional<std::string> load_refusal(std::span<const std::uint8_t> bytes);

} // namespace model

#pragma once

#include "platform/message.h"

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

// What a file's first bytes say it is. The one place where a studio file's magic and size are
// tested; every reader starts here.
struct StudioHeader {
    StudioKind kind = StudioKind::none;
    std::optional<std::int32_t> version; // where the file is long enough to hold it
    bool whole =
        false; // it holds the whole header of its kind: 76 bytes for a group file, else 244

    // A main file or a texture file: both start with the 244-byte header of a model.
    bool of_a_model() const {
        return kind == StudioKind::model || kind == StudioKind::texture_file;
    }
};

// Told from the file's first bytes: its 244-byte header at most.
StudioHeader classify(std::span<const std::uint8_t> bytes);

inline StudioKind studio_kind(std::span<const std::uint8_t> bytes) {
    return classify(bytes).kind;
}

// Why the game stops with an error when it loads the file in a model's place, judged from the
// file alone, whose header is enough: a sequence group file or a texture file, a model of another
// version than 10, one cut short inside its header, one of more than 128 bones. A companion file
// that is missing is the caller's to find, through companion_needs(). Nothing when the game loads
// the file, and nothing for a file that is not a studio file at all.
std::optional<platform::Message> load_refusal(std::span<const std::uint8_t> bytes);

} // namespace model

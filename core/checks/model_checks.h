#pragma once

#include "core/result.h"
#include "model/server_check.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace core {

// What the game and its servers make of a model file under the name it has, or would take, in
// the game's models.
struct ModelCheck {
    std::optional<Message> load_refusal; // why the game stops when it loads the file
    model::ServerCheck servers;
};

// The check of a model file's bytes; its companions are looked for beside it. Nothing for a file
// that is not a studio model file at all, whose content Tessary leaves alone as the game's own
// random-looking files are.
std::optional<ModelCheck> check_model(model::FileView bytes, const Path& file,
                                      std::string_view game_name);

// Why the game would not load the file in a model's place, from its header alone; nothing when it
// would, or when the file is not a studio file.
std::optional<Message> load_refusal_of(const Path& file);

// Why the game would not load the file as the model it is filed as, from its header alone: as
// load_refusal_of() says, and for a file that is no studio file at all (an empty file, a web page,
// an archive), which the game stops on too. Nothing when it would, or when the file cannot be
// read, which the copy that follows tells.
std::optional<Message> refusal_as_model(const Path& file);

} // namespace core

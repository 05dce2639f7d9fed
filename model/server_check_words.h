#pragma once

#include "model/server_check.h"

#include <string>
#include <string_view>

// What servers make of a model file, in words for the user, as Tessary's windows and its viewer
// show it. Lengths are in the game's units, to one decimal.
namespace model {

// Why, to show beside the word: the sides the model reaches beyond for a file servers refuse, the
// box they allow for one they accept, the reason the answer is unknown, or that no server checks a
// file of that name.
std::string verdict_reason(const ServerCheck& check, std::string_view file_name);

// "(-37.4, -21.1, -40.8) to (37.4, 21.1, 40.8)"
std::string box_words(const Box& box);

} // namespace model

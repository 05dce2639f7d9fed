#pragma once

#include "model/server_check.h"
#include "platform/message.h"

#include <string>
#include <string_view>

// What servers make of a model file, as messages for the user: the one place that says it, for the
// install's question, the Check window and the viewer alike. Each sentence is made whole from its
// values, as a translation takes it. Lengths are in the game's units, with as many decimals as
// it takes for an excess never to read as nothing.
namespace model {

// Why, to show beside the word. For a file servers refuse, by how much it is too long, wide and
// tall, the worst first and each axis once, and how far servers allow: "4.7 units too long, 0.03
// too wide and 1.4 too tall for servers, which allow 38.0 forward, 24.00 to the left and 41.0
// up". For one they accept, the box they allow; else why the answer is unknown, or that no server
// checks a file of that name.
platform::Message verdict_reason(const ServerCheck& check, std::string_view file_name);

// How a box reaches beyond the one allowed, on the sides outside: "22.0 units too long for servers,
// which allow 38.0 forward", as verdict_reason() says it of a file servers refuse. Nothing for no
// side outside.
platform::Message outside_words(const std::vector<AxisOutside>& outside);

// What servers make of the file under that name, in a sentence or two, after the box they measure.
platform::Message server_facts(const ServerCheck& check, std::string_view file_name);

// The question before installing a file that servers refuse, as file_name of the library model of
// that name: what is wrong, by how much, what servers do about it, and whether to go on.
platform::Message install_question(const ServerCheck& check, std::string_view file_name,
                                   std::string_view model_name);

// Whose box compared_box() gave for that file name: "the box servers allow for p_ak47.mdl, as
// none checks v_ak47.mdl".
platform::Message compared_box_words(const ComparedBox& compared, std::string_view file_name);

// The box servers measure of the file under that name, whenever they can: "(-37.4, -21.1, -40.8)
// to (37.4, 21.1, 40.8)", with as many decimals as the words of its sides outside the box it is
// held against (compared_box()) take, so that no side outside reads as on that box's side.
platform::Message measured_box_words(const ServerCheck& check, std::string_view file_name);

} // namespace model

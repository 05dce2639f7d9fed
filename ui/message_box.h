#pragma once

#include "core/result.h"

#include <string>
#include <vector>

namespace ui {

// Tessary's message box: the text, an OK button only, no icon, and the application title. Every
// text the core hands back reaches the user here.
namespace message_box {

// Shows each message in turn, in the application's language, returning when the user has
// dismissed the last.
void show(const core::Messages& messages);
void show(const core::Message& message);

// Asks a question that warns of what the answer Yes risks, with a warning icon, Yes and No, No the
// default; true for Yes.
bool ask(const core::Message& question);

// From now on texts and questions are added to the log as they would be shown instead of being
// shown, each question answered with `answer`, so that tests need no modal loop; nullptr shows
// them again.
void record_instead(std::vector<std::string>* log, bool answer = false);

} // namespace message_box

} // namespace ui

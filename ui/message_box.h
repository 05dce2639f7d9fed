#pragma once

#include "core/result.h"

#include <string>
#include <vector>

namespace ui {

// Tessary's message box: the text, an OK button only, no icon, and the application title. Every
// text the core hands back reaches the user here.
namespace message_box {

// Shows each text in turn, returning when the user has dismissed the last.
void show(const core::Messages& texts);
void show(const std::string& text);

// From now on texts are added to the log instead of being shown, so that tests need no modal
// loop; nullptr shows them again.
void record_instead(std::vector<std::string>* log);

} // namespace message_box

} // namespace ui

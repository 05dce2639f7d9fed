#pragma once

#include <string>
#include <vector>

// Tessary's message box: the text, an OK button only, no icon, and the application title.
namespace message_box {

// Shows the message box and returns when the user has dismissed it.
void show(const std::string& text);

// From now on texts are added to the log instead of being shown, so that tests need no modal
// loop; nullptr shows them again.
void record_instead(std::vector<std::string>* log);

} // namespace message_box

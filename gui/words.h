#pragma once

#include "platform/message.h"

#include <QString>

namespace gui {

// A message of the layers below the windows, in the language the application speaks: its words
// translated where a translation is installed (else its English, as it is known), its numbers
// written as the user's locale writes them, and the messages it holds worded likewise.
QString words(const platform::Message& message);
// One of a message's values likewise: a reason, a number or a message.
QString words(const platform::Argument& argument);

} // namespace gui

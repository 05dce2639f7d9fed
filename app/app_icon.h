#pragma once

#include <QIcon>

namespace app {

// Tessary's icon: a stack of three tiles.
QIcon app_icon();

} // namespace app

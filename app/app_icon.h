#pragma once

#include <QIcon>

namespace app {

// Tessary's icon: a stack of three tiles, drawn rather than shipped as an image file.
QIcon app_icon();

} // namespace app

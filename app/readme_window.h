#pragma once

#include "ui/child_window.h"

namespace app {

// Shows readme.txt of the program folder as plain text.
class ReadmeWindow final : public ui::ChildWindow {
    Q_OBJECT

public:
    ReadmeWindow();
};

} // namespace app

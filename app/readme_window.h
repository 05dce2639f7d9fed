#pragma once

#include "core/library/library.h"
#include "ui/child_window.h"

namespace app {

// Shows readme.txt of the program folder as plain text.
class ReadmeWindow final : public ui::ChildWindow {
    Q_OBJECT

public:
    explicit ReadmeWindow(const core::Library& library);
};

} // namespace app

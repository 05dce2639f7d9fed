#pragma once

#include "windows/child_window.h"

// Shows readme.txt of the program folder as plain text.
class ReadmeWindow final : public ChildWindow {
    Q_OBJECT

public:
    ReadmeWindow();
};

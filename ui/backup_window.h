#pragma once

#include "core/library/library.h"
#include "ui/child_window.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace ui {

// Saves the game's current player or weapon models as a backup set under a name.
class BackupWindow final : public ChildWindow {
    Q_OBJECT

public:
    explicit BackupWindow(const core::Library& library);

private:
    void back_up();

    QLineEdit* set_name_;
    QComboBox* kinds_;
    QLabel* status_;
    const core::Library& library_;
};

} // namespace ui

#pragma once

#include "ui/child_window.h"

class QPushButton;

namespace app {

// The program's title, version and purpose, and a way to the system information tool.
class AboutWindow final : public ui::ChildWindow {
    Q_OBJECT

public:
    AboutWindow();

protected:
    // Enter and Escape both answer as OK does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void start_system_information();

    QPushButton* ok_;
};

} // namespace app

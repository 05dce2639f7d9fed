#pragma once

#include "windows/import_window.h"

// Files a player model into the library under its player type and a model name.
class import_player final : public ImportWindow {
    Q_OBJECT

public:
    import_player();

private:
    void Form_Load();
    void btn_import_Click();
};

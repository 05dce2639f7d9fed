#pragma once

#include "windows/import_window.h"

// Files a weapon model, whichever of its four files lie beside the picked one, into the library
// under its weapon and a model name.
class import_weapon final : public ImportWindow {
    Q_OBJECT

public:
    import_weapon();

private:
    void Form_Load();
    void btn_import_Click();
};

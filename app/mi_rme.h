#pragma once

#include "windows/child_window.h"

class QPlainTextEdit;
class QPushButton;

// Shows readme.txt of the program folder as plain text.
class mi_rme final : public ChildWindow {
    Q_OBJECT

public:
    mi_rme();

    QPlainTextEdit* rtext1;
    QPushButton* btn_close;

private:
    void Form_Load();
    void btn_close_Click();
};

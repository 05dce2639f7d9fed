#pragma once

#include "windows/child_window.h"

class QLabel;
class QPushButton;

// "Version 1.5.12" for major 1, minor 5 and revision 12.
QString version_text(int major, int minor, int revision);

// The program's title, version and purpose, and a way to the system information tool.
class frmAbout final : public ChildWindow {
    Q_OBJECT

public:
    frmAbout();

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QWidget* Line1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

protected:
    // Enter and Escape both answer as OK does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
};

#pragma once

#include "library/model_import.h"
#include "windows/child_window.h"

#include <QRect>

class QLabel;
class QLineEdit;
class QPushButton;
class SourceBrowser;

// What the two import windows share: a model name, a source browser, an Import button and the
// confirmation, laid out alike.
class ImportWindow : public ChildWindow {
    Q_OBJECT

public:
    QLineEdit* player_comment;
    QPushButton* btn_ok;
    QPushButton* btn_import;
    SourceBrowser* browser; // Drive1, Dir1, File1 and cmd_preview
    QLabel* Label1;
    QLabel* lbl_confirm;

protected:
    struct Design {
        const char* name;
        QString caption;
        int client_width;
        int client_height;
        QString instructions;
        QRect confirm_twips;
        QString pattern;
        const char* settings_key;
    };
    explicit ImportWindow(const Design& design);

    // The import as the window's controls ask for it.
    library::ImportRequest request() const;

    // Shows the confirmation, and remembers the source folder once the copy step was done.
    void report(const library::ImportOutcome& outcome);

    void btn_ok_Click();
    void Form_Unload() override;
};

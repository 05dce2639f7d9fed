#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// The controls of an install window that put a backup set back into the game. They lie beyond
// the window's right edge until the window slides open to show them.
class RestoreControls final : public QObject {
    Q_OBJECT

public:
    struct Design {
        const char* show_button_name;
        std::string (*set_list)(); // the path of the set list
        int narrow_width;          // outer widths in twips
        int wide_width;
        // Puts the set back; true when every file was put back.
        std::function<bool(const std::string& set_name)> restore;
        std::function<QString(const QString& set_name)> confirmation;
    };

    RestoreControls(QWidget* window, QLabel* lbl_confirm, Design design);

    QPushButton* show_button; // "Install Backup"
    QListWidget* lst_backup;
    QPushButton* btn_installbackup;

    // Slides the window open and lists the sets afresh.
    void show_sets();

    // Puts the selected set back, confirms it and slides the window shut.
    void install_selected_set();

private:
    QWidget* window;
    QLabel* lbl_confirm;
    Design design;
};

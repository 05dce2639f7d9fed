#pragma once

#include "core/library/library.h"

#include <QObject>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace ui {

// The controls of an install window that put a backup set back into the game: an Install Backup
// button, the list of the kind's sets and its Install button. The list and its button lie beyond
// the window's right edge until the window slides open to show them.
class RestoreControls final : public QObject {
    Q_OBJECT

public:
    struct Design {
        const char* show_button_name;
        core::ModelKind kind;
        int narrow_width; // outer widths in twips
        int wide_width;
        QString (*confirmation)(const QString& set_name);
    };

    RestoreControls(QWidget* window, QLabel* confirmation, const core::Library& library,
                    Design design);

    QPushButton* show_button() const { return show_button_; }
    QListWidget* set_list() const { return sets_; }
    QPushButton* install_button() const { return install_; }

private:
    // Slides the window open and lists the sets afresh.
    void show_sets();

    // Puts the selected set back, confirms it and slides the window shut.
    void install_selected_set();

    QPushButton* show_button_;
    QListWidget* sets_;
    QPushButton* install_;
    QWidget* window_;
    QLabel* confirmation_;
    const core::Library& library_;
    Design design_;
};

} // namespace ui

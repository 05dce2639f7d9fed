#pragma once

#include "ui/child_window.h"
#include "ui/restore_controls.h"

#include <QHash>
#include <QThreadPool>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace ui {

// What the two install windows share: a list of player types or weapons, the list of the picked
// one's models, Install, Preview and Ok buttons, the confirmation, and the restore controls
// beyond the right edge. Each window places the controls itself.
class InstallWindow : public ChildWindow {
    Q_OBJECT

protected:
    InstallWindow(const char* name, const QString& caption, int client_width, int client_height,
                  const core::Library& library, RestoreControls::Design restore_design);

    struct Controls {
        QPushButton* install;
        QPushButton* ok;
        QLabel* instructions;
        QComboBox* model_types;
        QListWidget* models;
        QLabel* confirmation;
        QPushButton* preview;
        RestoreControls* restore;
    };
    const Controls& controls() const { return controls_; }

    // The picked player type or weapon, and the picked model: empty when none is picked.
    std::string model_type() const;
    core::LibraryModel picked_model() const;

    const core::Library& library() const { return library_; }

    // Lists the models of the picked player type or weapon, last listed first.
    void list_models();

    // The picked model's files to install: a player model's one file, a weapon's ticked ones.
    virtual std::vector<std::string> files_to_install() const = 0;
    // What the confirmation says once the model is installed.
    virtual QString installed_text(const core::LibraryModel& model) const = 0;

    // The opening width counts the window's frame, which the system gives the window only as it
    // is first shown: the width is set again then, so that sliding open and shut returns to it.
    void showEvent(QShowEvent* event) override;

    // A model's picture and what servers make of it, where the pointer rests on it in the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void install_picked_model();
    // Asks, for each of the files that servers would refuse, whether to install it all the same;
    // false when the user says No to one.
    bool servers_allowed(const core::LibraryModel& model, const std::vector<std::string>& files);
    void preview_model();
    // Shows the tip of the model, over the part of the list that holds it: at once when it is
    // made, else as soon as another thread has made it, if the model is still the one wanted.
    void show_tip(const QListWidgetItem& item, const QPoint& at);
    void tip_made(int listing, const QString& model, const QString& tip);

    const core::Library& library_;
    core::ModelKind kind_;
    int opening_width_;
    bool shown_ = false;
    Controls controls_;
    QHash<QString, QString> tips_; // of the models listed, once made
    int listing_ = 0;              // counts the lists shown, so that a late tip is not misplaced
    struct WantedTip {
        QString model;
        QPoint at;
    } wanted_tip_;
    QThreadPool tip_makers_; // last, so that it is waited for before the rest goes
};

} // namespace ui

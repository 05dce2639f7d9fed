#pragma once

#include "core/library/library.h"
#include "core/sources/source_folder.h"

#include <QList>
#include <QObject>
#include <QString>

#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace ui {

// The drive, folder and file lists with which an import window finds its source file, and the
// Preview button that opens the picked file in the model viewer. Each list follows the one before
// it; everything is read synchronously, so the lists are complete as soon as a folder is set.
class SourceBrowser final : public QObject {
    Q_OBJECT

public:
    // The controls are made children of the window, at the place both import windows give them;
    // the file list shows the kind's files. A click into the file list clears the confirmation.
    SourceBrowser(QWidget* window, QLabel* confirmation, core::ModelKind kind,
                  const core::Library& library);

    // Opens at the folder of the kind's last import, else at the game directory, else at home.
    void open_first_folder();

    // The folder the lists show; none until one could be listed.
    const std::optional<core::SourceFolder>& source_folder() const { return source_folder_; }
    std::string picked_file() const; // empty when no file is picked

    QList<QWidget*> controls_in_tab_order() const;

private:
    // Makes the folder current, a folder on disk or inside an archive, and lists it; false, with
    // nothing changed, when it cannot be listed, and the user told why unless told_why is off.
    bool set_folder(const QString& folder, bool tell_why = true);
    void change_drive();
    void preview_picked_file();

    // The folder on disk that holds the current folder: the folder itself, or the one holding
    // the archive it lies in.
    QString folder_on_disk() const;

    void fill_drives();
    void show_drive_of_folder();

    QComboBox* drives_;
    QListWidget* folders_;
    QListWidget* files_;
    QPushButton* preview_;
    QLabel* confirmation_;
    core::ModelKind kind_;
    const core::Library& library_;
    QString folder_;
    std::optional<core::SourceFolder> source_folder_;
};

} // namespace ui

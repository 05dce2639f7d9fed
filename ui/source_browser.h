#pragma once

#include "core/library/library.h"
#include "core/sources/source_folder.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <functional>
#include <string>
#include <vector>

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
    // The tip a listed file shows when the pointer rests on it, among the files listed with it;
    // none when empty.
    using FileTip =
        std::function<QString(const std::string& file, const std::vector<std::string>& listed)>;

    // The controls are made children of the window, at the place both import windows give them;
    // the file list shows the kind's files, each with its tip. A click into the file list clears
    // the confirmation.
    SourceBrowser(QWidget* window, QLabel* confirmation, core::ModelKind kind,
                  const core::Library& library, FileTip file_tip);

    // Opens at the folder of the kind's last import, else at the game directory, else at home.
    void open_first_folder();

    // The folder the lists show; none until one could be listed.
    const std::optional<core::SourceFolder>& source_folder() const { return source_folder_; }
    std::string picked_file() const; // empty when no file is picked

    QList<QWidget*> controls_in_tab_order() const;

signals:
    // The file list's context menu is asked for, at that point of the screen: by a right-click,
    // which picks the file under the pointer first, or by the menu key or Shift+F10, at the
    // picked file.
    void file_menu_requested(const QPoint& at);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Makes the folder at the path current, a folder on disk or inside an archive, and lists it;
    // false, with nothing changed, when it cannot be listed, and the user told why unless tell_why
    // is off.
    bool set_folder(const QString& path, bool tell_why = true);
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
    FileTip file_tip_;
    QString folder_;
    std::optional<core::SourceFolder> source_folder_;
};

} // namespace ui

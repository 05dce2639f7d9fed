#pragma once

#include <QObject>
#include <QString>

#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

// The drive, folder and file lists with which an import window finds its source file, and the
// Preview button that opens the picked file in the model viewer. Each list follows the one before
// it; everything is read synchronously, so the lists are complete as soon as a folder is set.
class SourceBrowser final : public QObject {
    Q_OBJECT

public:
    // The controls are made children of the window, which places them. The folder of the last
    // import is remembered under the settings key.
    SourceBrowser(QWidget* window, QLabel* lbl_confirm, QString pattern, std::string settings_key);

    QComboBox* Drive1;
    QListWidget* Dir1;
    QListWidget* File1;
    QPushButton* cmd_preview;

    // Opens at the folder of the last import, else at the game directory, else at home.
    void open_initial_folder();

    // Makes the folder current; false, with nothing changed, when it cannot be listed.
    bool set_folder(const QString& folder);

    std::string source_folder() const;
    std::string picked_file() const; // empty when no file is picked

    // Remembers the current folder for the window's next opening.
    void store_last_folder() const;

private:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void cmd_preview_Click();

    void fill_drives();
    void show_drive_of_folder();

    QLabel* lbl_confirm;
    QString pattern;
    std::string settings_key;
    QString folder;
};

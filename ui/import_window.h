#pragma once

#include "core/changes/model_import.h"
#include "ui/child_window.h"

#include <QRect>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QMenu;

namespace ui {

class SourceBrowser;

// What the two import windows share: a model name, a source browser, an Import button and the
// confirmation, laid out alike; and the file list's menu that imports the picked file as one of
// the game's models, whatever its own name.
class ImportWindow : public ChildWindow {
    Q_OBJECT

protected:
    struct Design {
        const char* name;
        QString caption;
        int client_width;
        int client_height;
        QString instructions;
        QRect confirmation; // in twips
        core::ModelKind kind;
    };
    ImportWindow(const Design& design, const core::Library& library);

    // Opens the source browser at its first folder and offers the game's names to import a file
    // as, once the window has what its kind needs.
    void open_first_folder();

    // The import itself, as the window's kind of model is imported.
    virtual core::Result<core::Imported> import(const core::ImportRequest& request) = 0;
    // The import under one of the game's names, those that names_to_import_as() offers.
    virtual core::Result<core::Imported> import_as(const core::ImportRequest& request,
                                                   const std::string& name) = 0;
    virtual std::vector<std::string> names_to_import_as() const = 0;
    // Only an import as one of the game's names takes the listed file as a model.
    virtual bool takes_import_as(const std::string& file,
                                 const std::vector<std::string>& listed) const = 0;

    const core::Library& library() const { return library_; }

private:
    core::ImportRequest request() const;
    void show_import(const core::Result<core::Imported>& imported);

    QLineEdit* model_name_;
    QLabel* confirmation_;
    SourceBrowser* browser_;
    QMenu* import_as_menu_;
    const core::Library& library_;
    core::ModelKind kind_;
};

} // namespace ui

#pragma once

#include "core/changes/model_import.h"
#include "ui/child_window.h"

#include <QRect>

class QLabel;
class QLineEdit;

namespace ui {

class SourceBrowser;

// What the two import windows share: a model name, a source browser, an Import button and the
// confirmation, laid out alike.
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

    // Opens the source browser at its first folder, once the window has what its kind needs.
    void open_first_folder();

    // The import itself, as the window's kind of model is imported.
    virtual core::Result<core::Imported> import(const core::ImportRequest& request) = 0;

    const core::Library& library() const { return library_; }

private:
    void import_picked_file();

    QLineEdit* model_name_;
    QLabel* confirmation_;
    SourceBrowser* browser_;
    const core::Library& library_;
    core::ModelKind kind_;
};

} // namespace ui

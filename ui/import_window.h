#pragma once

#include "core/model_import.h"
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
    ImportWindow(const Design& design, core::Settings& settings);

    // Sets the window up as it opens: the console, then what the kind needs, then the folder.
    void open_first_folder();

    // The import itself, as the window's kind of model is imported.
    virtual core::Result<core::Imported> import(const core::ImportRequest& request,
                                                core::Settings& settings) = 0;

private:
    void import_picked_file();
    void before_closing() override;

    QLineEdit* model_name_;
    QLabel* confirmation_;
    SourceBrowser* browser_;
    core::Settings& settings_;
};

} // namespace ui

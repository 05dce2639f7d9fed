#pragma once

#include <QString>

// The folder the viewer's Open dialog starts in, remembered in Tessary's settings store.
namespace viewer {

// Where to look for a model to open: the folder the last one was opened from, else the folder
// of the model shown, if any.
QString folder_to_open_from(const QString& shown_model);
void remember_folder_opened_from(const QString& model);

} // namespace viewer

#pragma once

#include <QString>

// The folders the viewer's file dialogs start in, remembered in Tessary's settings store.
namespace viewer {

// Where to look for a model to open: the folder the last one was opened from, else the folder
// of the model shown, if any.
QString folder_to_open_from(const QString& shown_model);
void remember_folder_opened_from(const QString& model);

// Where to save a picture of the model: the folder the last picture went to, when that was not
// beside its model; else beside the model, unless the model lies in Tessary's extraction folder,
// which the next import from an archive empties: then the user's Pictures folder.
QString folder_for_picture(const QString& model);
void remember_folder_of_picture(const QString& model, const QString& picture);

} // namespace viewer

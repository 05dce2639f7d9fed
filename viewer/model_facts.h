#pragma once

#include "model/studio_model.h"

#include <QString>

// The facts about a model that a player checks before installing it, as lines of text.
namespace viewer {

QString model_facts(const model::StudioModel& model, const QString& file_name, qint64 file_size,
                    const model::DrawList& shown);

// What servers make of the model file at the path under its file name: the box they measure, and
// whether they accept it or refuse it, and why, where servers check a file of that name. Refused
// is set when they refuse it.
QString server_facts(const QString& path, const QString& file_name, bool& refused);

} // namespace viewer

#pragma once

#include "model/studio_model.h"

#include <QString>

// The facts about a model that a player checks before installing it, as lines of text.
namespace viewer {

QString model_facts(const model::StudioModel& model, const QString& file_name, qint64 file_size,
                    const model::DrawList& shown);

} // namespace viewer

#pragma once

#include "core/library/library.h"

#include <QString>

namespace ui {

// The tip that a library model shows in the install windows: its picture (a weapon model's left
// model, else its right one) and, in a sentence, what the game and its servers make of that file.
QString model_tip(const core::Library& library, const core::LibraryModel& model, qreal pixel_ratio);

} // namespace ui

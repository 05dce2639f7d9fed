#pragma once

#include "core/checks/check_rows.h"
#include "core/result.h"

#include <QImage>

// The small pictures by which the windows show models: drawn by Tessary's own renderer, made on
// any thread.
namespace ui {

// About an inch of a screen at 96 dots per inch; drawn in the screen's own pixels.
inline constexpr int picture_size = 96;

// The model whose file, opened from `path`, is `file`, with its companions beside it, as the
// viewer first shows it, for a screen of that pixel ratio. A null image for a file that is no
// model the game reads.
QImage model_picture(model::KeptFile file, const core::Path& path, qreal pixel_ratio);

// What stands in for the picture of a file that is no model the game reads.
QImage plain_mark(qreal pixel_ratio);

// A row's file read and checked, with its picture: a null image for a file that is no model the
// game reads, which the window shows with the plain mark.
struct PicturedRow {
    core::CheckRow row;
    QImage picture;
};
PicturedRow checked_and_pictured(core::CheckRow row, qreal pixel_ratio);

} // namespace ui

#pragma once

class QWidget;

namespace ui {

// A window's outer width (client area and frame) in twips. A frame thinner than the home
// platform's tool-window border, 3 pixels a side, counts as that border, so that the client area
// within a given outer width is the same wherever frames are thin.
int outer_width(const QWidget* window);
void set_outer_width(QWidget* window, int twips);

enum class SlideDirection { open, shut };

// Widens (or narrows) the window one twip at a time from start towards limit. The outer width is
// read back before every step, so a window already at or past the limit keeps its width.
void slide_window_width(QWidget* window, int start, int limit, SlideDirection direction);

} // namespace ui

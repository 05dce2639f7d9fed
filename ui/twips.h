#pragma once

#include <QList>

class QWidget;

// Window layouts are given in twips, relative to a window's client area, at 15 twips to the
// pixel. This is the one place that turns them into pixels.
namespace ui::twips {

inline constexpr int per_pixel = 15;

constexpr int to_pixels(int twips) {
    return (twips + per_pixel / 2) / per_pixel;
}

constexpr int from_pixels(int pixels) {
    return pixels * per_pixel;
}

void place(QWidget* control, int left, int top, int width, int height);

// A fixed client area: the windows of the layouts do not resize.
void set_client_size(QWidget* window, int width, int height);

// Tab moves through the controls in the order given.
void set_tab_order(const QList<QWidget*>& controls);

} // namespace ui::twips

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

// Places a control at its left, top, width and height in twips.
void place(QWidget* control, int left, int top, int width, int height);

// Gives a window a fixed client area of the given size in twips.
void set_client_size(QWidget* window, int width, int height);

// Sets the order in which Tab moves through the controls.
void set_tab_order(const QList<QWidget*>& controls);

} // namespace ui::twips

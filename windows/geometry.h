#pragma once

#include <QList>

class QWidget;

// Window layouts are given in twips, relative to a window's client area, at 15 twips to the
// pixel. This is the one place that turns them into pixels.
namespace geometry {

inline constexpr int twips_per_pixel = 15;

constexpr int pixels(int twips) {
    return (twips + twips_per_pixel / 2) / twips_per_pixel;
}

constexpr int twips(int pixels) {
    return pixels * twips_per_pixel;
}

// Places a control at its left, top, width and height in twips.
void place(QWidget* control, int left, int top, int width, int height);

// Gives a window a fixed client area of the given size in twips.
void set_client_size(QWidget* window, int width, int height);

// Sets the order in which Tab moves through the controls.
void set_tab_order(const QList<QWidget*>& controls);

} // namespace geometry

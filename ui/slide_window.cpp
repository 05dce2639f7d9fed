#include "ui/slide_window.h"

#include "ui/twips.h"

#include <QWidget>

#include <algorithm>

namespace ui {

namespace {

constexpr int thinnest_frame_pixels = 6;

int frame_pixels(const QWidget* window) {
    return std::max(window->frameGeometry().width() - window->width(), thinnest_frame_pixels);
}

} // namespace

int outer_width(const QWidget* window) {
    return twips::from_pixels(window->width() + frame_pixels(window));
}

void set_outer_width(QWidget* window, int twips) {
    window->setFixedWidth(twips / twips::per_pixel - frame_pixels(window));
}

void slide_window_width(QWidget* window, int start, int limit, SlideDirection direction) {
    const bool opening = direction == SlideDirection::open;
    const auto short_of_limit = [&] {
        return opening ? outer_width(window) < limit : outer_width(window) > limit;
    };
    // The count never runs past the limit, so a window that will not take a width cannot hold
    // the loop.
    for (int width = start; short_of_limit() && (opening ? width <= limit : width >= limit);
         width += opening ? 1 : -1)
        set_outer_width(window, width);
}

} // namespace ui

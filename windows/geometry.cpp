#include "windows/geometry.h"

#include <QWidget>

namespace geometry {

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(pixels(left), pixels(top), pixels(width), pixels(height));
}

void set_client_size(QWidget* window, int width, int height) {
    window->setFixedSize(pixels(width), pixels(height));
}

void set_tab_order(const QList<QWidget*>& controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace geometry

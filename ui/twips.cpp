#include "ui/twips.h"

#include <QWidget>

namespace ui::twips {

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(to_pixels(left), to_pixels(top), to_pixels(width), to_pixels(height));
}

void set_client_size(QWidget* window, int width, int height) {
    window->setFixedSize(to_pixels(width), to_pixels(height));
}

void set_tab_order(const QList<QWidget*>& controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace ui::twips

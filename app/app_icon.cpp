#include "app/app_icon.h"

#include <QPainter>
#include <QPixmap>

namespace app {

namespace {

QPixmap draw_icon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = size / 32.0;
    const QColor colours[] = {QColor(0x2f, 0x5d, 0x8a), QColor(0x3f, 0x8f, 0x6b),
                              QColor(0xd9, 0x8e, 0x2b)};
    // Three tiles, each lower one peeking out behind the next: models kept in a library.
    for (int i = 0; i < 3; ++i) {
        const QRectF tile(unit * (3 + 5 * i), unit * (13 - 5 * i), unit * 16, unit * 16);
        painter.setPen(QPen(QColor(0x20, 0x20, 0x20), unit));
        painter.setBrush(colours[i]);
        painter.drawRoundedRect(tile, unit * 3, unit * 3);
    }
    painter.setPen(QPen(Qt::white, unit * 2.5, Qt::SolidLine, Qt::RoundCap));
    const qreal left = unit * 13, top = unit * 7;
    painter.drawLine(QPointF(left + unit * 3, top), QPointF(left + unit * 13, top));
    painter.drawLine(QPointF(left + unit * 8, top), QPointF(left + unit * 8, top + unit * 12));
    return pixmap;
}

} // namespace

QIcon app_icon() {
    // Drawn once: the application and the main window both ask for it as Tessary starts.
    static const QIcon icon = [] {
        QIcon drawn;
        for (const int size : {16, 32, 64})
            drawn.addPixmap(draw_icon(size));
        return drawn;
    }();
    return icon;
}

} // namespace app

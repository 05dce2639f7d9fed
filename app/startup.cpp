#include "app/startup.h"

#include "app/message_box.h"
#include "app/mi_main.h"
#include "platform/message.h"

#include <QApplication>
#include <QScreen>

namespace {

// The windows' fixed layouts were drawn for a small, Arial-like font: a face metric-compatible
// with Arial where there is one, else a condensed one.
void use_window_font() {
    QFont font = QApplication::font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("DejaVu Sans Condensed"), font.family()});
    font.setPointSizeF(7.5);
    QApplication::setFont(font);
}

} // namespace

std::unique_ptr<mi_main> start_tessary() {
    use_window_font();
    platform::install_message_function(message_box::show);
    auto window = std::make_unique<mi_main>();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    return window;
}

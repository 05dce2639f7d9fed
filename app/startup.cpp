#include "app/startup.h"

#include "app/main_window.h"

#include <QApplication>
#include <QScreen>

namespace app {

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

std::unique_ptr<MainWindow> start_tessary() {
    use_window_font();
    auto window = std::make_unique<MainWindow>();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
    return window;
}

} // namespace app

#include "ui/viewer_wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

namespace ui {

namespace {

class InputRefusal final : public QObject {
public:
    InputRefusal() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputRefusal() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputRefusal(const InputRefusal&) = delete;
    InputRefusal& operator=(const InputRefusal&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
            return true;
        case QEvent::Close:
            // The user's close box; a window that closes itself is not the user's doing.
            if (event->spontaneous()) {
                event->ignore();
                return true;
            }
            return false;
        default:
            return false;
        }
    }
};

} // namespace

void keep_drawn_while_viewing() {
    const InputRefusal refusal;
    QCoreApplication::processEvents();
}

} // namespace ui

#include "ui/viewer_wait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace ui {

namespace {

bool closes_itself(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && (widget->windowType() == Qt::ToolTip || widget->windowType() == Qt::Popup);
}

class InputRefusal final : public QObject {
public:
    InputRefusal() { QCoreApplication::instance()->installEventFilter(this); }
    ~InputRefusal() override { QCoreApplication::instance()->removeEventFilter(this); }
    InputRefusal(const InputRefusal&) = delete;
    InputRefusal& operator=(const InputRefusal&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
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
        case QEvent::InputMethod: // what an input method composes, Chinese say
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        case QEvent::Close:
            // The user's close box. Tips and popups close themselves, and go on doing so.
            if (event->spontaneous() && !closes_itself(watched)) {
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

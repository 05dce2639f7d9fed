#pragma once

#include <QLabel>
#include <QString>

namespace gui {

// Every window, control and menu action carries a fixed object name: its stable identity, the
// same in every language and layout, by which tests find it too.
template <typename Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// Labels wrap their text at word boundaries within their box, from its top left.
inline QLabel* wrapping(QLabel* label) {
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace gui

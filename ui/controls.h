#pragma once

#include <QLabel>
#include <QString>

namespace ui {

// Every control carries its name from the window's design as its object name: that is its
// stable identity, by which tests find it too.
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

} // namespace ui

#pragma once

#include <QString>

#include <string>

namespace ui {

// Text crosses between the windows and the core here: the core holds it in the system's 8-bit
// encoding.
inline QString qtext(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string local_text(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

} // namespace ui

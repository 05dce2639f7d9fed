#pragma once

#include <QString>

#include <string>

namespace gui {

// Text crosses between the windows and the core here: the core holds it in UTF-8.
inline QString qtext(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string core_text(const QString& text) {
    return text.toStdString();
}

} // namespace gui

#pragma once

#include "platform/file_system.h"

#include <QDir>
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

// A path as the system writes it, for Qt's file functions and for the user to read.
inline QString native_text(const platform::Path& path) {
    return qtext(platform::native_path(path));
}

// The path of a file or folder that Qt names, as Tessary holds paths.
inline platform::Path path_of(const QString& native) {
    return platform::Path(core_text(QDir::toNativeSeparators(native)));
}

} // namespace gui

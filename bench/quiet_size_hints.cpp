#include "quiet_size_hints.h"

#include <QString>

#include <cstdio>

void quiet_size_hints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QLatin1String("propagateSizeHints")))
        std::fputs(qPrintable(qFormatLogMessage(type, context, message) + '\n'), stderr);
}

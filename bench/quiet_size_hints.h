#pragma once

#include <QtGlobal>

// The offscreen platform says of every fixed-size window that it cannot pass size hints on: true,
// and nothing to do with the timings, so a bench installs this to keep it out of its tables.
void quiet_size_hints(QtMsgType type, const QMessageLogContext& context, const QString& message);

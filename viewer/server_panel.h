#pragma once

#include <QGroupBox>

namespace viewer {

// What servers make of the file: it comes first in the panel, since it decides whether the model
// can be played online.
class ServerPanel final : public QGroupBox {
    Q_OBJECT

public:
    // The facts in words, in red where servers refuse the file.
    ServerPanel(const QString& facts, bool refused);
};

} // namespace viewer

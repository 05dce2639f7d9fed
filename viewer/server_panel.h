#pragma once

#include "model/server_check.h"
#include "render/scene_renderer.h"

#include <QGroupBox>

#include <string>

class QCheckBox;
class QLabel;

namespace viewer {

// What servers make of the file, and the switches that draw over the model the boxes servers
// allow and measure and the player's hull, with what their colours stand for. It comes first in
// the panel, since it decides whether the model can be played online.
class ServerPanel final : public QGroupBox {
    Q_OBJECT

public:
    // What servers make of the file under that name, held against the box compared.
    ServerPanel(const model::ServerCheck& check, const model::ComparedBox& compared,
                const std::string& file_name, const render::ViewOptions& options);

    // The options, with what the panel switches set as it shows them.
    render::ViewOptions chosen(render::ViewOptions options) const;

signals:
    void options_changed();

private:
    void show_legend();

    QCheckBox* server_box_;
    QCheckBox* player_size_;
    QLabel* legend_;
    QString box_legend_;
};

} // namespace viewer

#include "viewer/server_panel.h"

#include "gui/controls.h"

#include <QLabel>
#include <QVBoxLayout>

namespace viewer {

ServerPanel::ServerPanel(const QString& facts, bool refused) : QGroupBox(tr("On servers")) {
    setObjectName(QStringLiteral("servers_box"));
    auto* servers = gui::named(new QLabel(facts), "servers");
    servers->setWordWrap(true);
    servers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (refused)
        servers->setStyleSheet(QStringLiteral("color: #b00000"));
    (new QVBoxLayout(this))->addWidget(servers);
}

} // namespace viewer

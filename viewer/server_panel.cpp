#include "viewer/server_panel.h"

#include "gui/controls.h"
#include "gui/text.h"
#include "gui/words.h"
#include "model/server_check_words.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace viewer {

namespace {

QLabel* text_label(const QString& text, const char* name) {
    auto* label = gui::named(new QLabel(text), name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

ServerPanel::ServerPanel(const model::ServerCheck& check, const model::ComparedBox& compared,
                         const std::string& file_name, const render::ViewOptions& options)
    : QGroupBox(tr("On servers")),
      server_box_(gui::named(new QCheckBox(tr("Server b&ox")), "chk_server_box")),
      player_size_(gui::named(new QCheckBox(tr("Pla&yer size")), "chk_player_size")),
      legend_(text_label({}, "server_box_legend")) {
    setObjectName(QStringLiteral("servers_box"));
    auto* servers = text_label(gui::words(model::server_facts(check, file_name)), "servers");
    if (check.verdict == model::Verdict::refused)
        servers->setStyleSheet(QStringLiteral("color: #b00000"));
    server_box_->setToolTip(tr("Draws the box servers allow and the box they measure, and in red "
                               "where the model reaches beyond"));
    server_box_->setChecked(options.server_box);
    player_size_->setToolTip(tr("Draws the hull the game moves a player by and hits him in"));
    player_size_->setChecked(options.player_size);

    const QString compared_words = gui::words(model::compared_box_words(compared, file_name));
    const bool checked = compared.file_name == file_name;
    if (!check.measured)
        box_legend_ = tr("Green: %1. What servers measure cannot be told.").arg(compared_words);
    else if (const auto outside = model::sides_outside(*check.measured, compared.box);
             !checked && !outside.empty())
        box_legend_ = tr("Green: %1; held against it, the model is %2. Yellow: the box servers "
                         "would measure. Red: where the model reaches beyond the green box.")
                          .arg(compared_words, gui::words(model::outside_words(outside)));
    else if (!checked)
        box_legend_ = tr("Green: %1. Yellow: the box servers would measure. Red: where the model "
                         "reaches beyond the green box.")
                          .arg(compared_words);
    else
        box_legend_ = tr("Green: %1. Yellow: the box servers measure. Red: where the model "
                         "reaches beyond the green box.")
                          .arg(compared_words);

    auto* switches = new QHBoxLayout;
    switches->addWidget(server_box_);
    switches->addWidget(player_size_);
    auto* column = new QVBoxLayout(this);
    column->addWidget(servers);
    column->addLayout(switches);
    column->addWidget(legend_);
    show_legend();

    for (QCheckBox* box : {server_box_, player_size_}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            show_legend();
            emit options_changed();
        });
    }
}

render::ViewOptions ServerPanel::chosen(render::ViewOptions options) const {
    options.server_box = server_box_->isChecked();
    options.player_size = player_size_->isChecked();
    return options;
}

void ServerPanel::show_legend() {
    QStringList lines;
    if (server_box_->isChecked())
        lines << box_legend_;
    if (player_size_->isChecked())
        lines << tr("Cyan: the player's hull standing, 32 × 32 × 72 units; violet: crouched, 32 × "
                    "32 × 36; both centred on the model's origin, as the game centres them.");
    legend_->setText(lines.join(QLatin1Char('\n')));
    legend_->setVisible(!lines.isEmpty());
}

} // namespace viewer

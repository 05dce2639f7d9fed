#include "viewer/sequence_panel.h"

#include "gui/controls.h"
#include "gui/text.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <cmath>

namespace viewer {

namespace {

// Positions of the blend slider from the first blend set to the last.
constexpr int blend_steps = 100;

} // namespace

SequencePanel::SequencePanel(const model::StudioModel& model)
    : QGroupBox(tr("Se&quences")), model_(model),
      sequences_(gui::named(new QListWidget, "sequences")),
      previous_frame_(gui::named(new QPushButton(tr("Pre&v")), "previous_frame")),
      play_(gui::named(new QPushButton(tr("&Play")), "play")),
      next_frame_(gui::named(new QPushButton(tr("Ne&xt")), "next_frame")),
      frame_slider_(gui::named(new QSlider(Qt::Horizontal), "frame_slider")),
      frame_label_(gui::named(new QLabel, "frame_label")),
      blend_row_(gui::named(new QWidget, "blend_row")),
      blend_slider_(gui::named(new QSlider(Qt::Horizontal), "blend_slider")),
      blend_label_(gui::named(new QLabel, "blend_label")) {
    setObjectName(QStringLiteral("sequence_box"));
    sequences_->addItem(tr("Reference pose"));
    for (const auto& sequence : model_.sequences()) {
        sequences_->addItem(tr("%1 (%2 frames at %3 fps%4)")
                                .arg(gui::qtext(sequence.name))
                                .arg(sequence.frame_count)
                                .arg(static_cast<double>(sequence.fps))
                                .arg(sequence.looping ? tr(", looping") : QString()));
    }
    sequences_->setCurrentRow(model_.sequences().empty() ? 0 : 1);
    previous_frame_->setToolTip(tr("The frame before (comma in the picture)"));
    play_->setToolTip(tr("Plays or pauses the sequence (Space in the picture)"));
    next_frame_->setToolTip(tr("The frame after (full stop in the picture)"));
    auto* slider_label = gui::named(new QLabel(tr("Fra&me")), "frame_slider_label");
    slider_label->setBuddy(frame_slider_);
    blend_slider_->setRange(0, blend_steps);
    blend_slider_->setToolTip(tr("Mixes the sequence's blend sets, as the game does to aim"));
    auto* blend_slider_label = gui::named(new QLabel(tr("B&lend")), "blend_slider_label");
    blend_slider_label->setBuddy(blend_slider_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_frame_);
    buttons->addWidget(play_);
    buttons->addWidget(next_frame_);
    auto* slider_row = new QHBoxLayout;
    slider_row->addWidget(slider_label);
    slider_row->addWidget(frame_slider_, 1);
    auto* blend = new QGridLayout(blend_row_);
    blend->setContentsMargins(0, 0, 0, 0);
    blend->addWidget(blend_slider_label, 0, 0);
    blend->addWidget(blend_slider_, 0, 1);
    blend->addWidget(blend_label_, 1, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sequences_);
    layout->addLayout(buttons);
    layout->addLayout(slider_row);
    layout->addWidget(frame_label_);
    layout->addWidget(blend_row_);

    connect(sequences_, &QListWidget::currentRowChanged, this,
            [this](int row) { emit sequence_chosen(row - 1); });
    connect(previous_frame_, &QPushButton::clicked, this, [this] { emit step_clicked(-1); });
    connect(play_, &QPushButton::clicked, this, &SequencePanel::play_pause_clicked);
    connect(next_frame_, &QPushButton::clicked, this, [this] { emit step_clicked(1); });
    connect(frame_slider_, &QSlider::valueChanged, this, &SequencePanel::frame_chosen);
    connect(blend_slider_, &QSlider::valueChanged, this,
            [this](int step) { emit blend_chosen(static_cast<float>(step) / blend_steps); });
}

int SequencePanel::chosen() const {
    return sequences_->currentRow() - 1;
}

void SequencePanel::show_frame(int sequence, float frame, bool playing) {
    const bool chosen = sequence >= 0;
    const int frames =
        chosen ? model_.sequences()[static_cast<std::size_t>(sequence)].frame_count : 1;
    {
        const QSignalBlocker quiet(frame_slider_);
        frame_slider_->setRange(0, std::max(0, frames - 1));
        frame_slider_->setValue(static_cast<int>(std::floor(frame)));
    }
    for (QWidget* control :
         {static_cast<QWidget*>(frame_slider_), static_cast<QWidget*>(play_),
          static_cast<QWidget*>(previous_frame_), static_cast<QWidget*>(next_frame_)})
        control->setEnabled(chosen);
    play_->setText(playing ? tr("&Pause") : tr("&Play"));
    frame_label_->setText(
        chosen ? tr("Frame %1 of %2").arg(static_cast<int>(std::floor(frame)) + 1).arg(frames)
               : tr("The pose the model was made in"));
}

void SequencePanel::show_blend(int sequence, float blend) {
    const model::SequenceInfo* info =
        sequence >= 0 ? &model_.sequences()[static_cast<std::size_t>(sequence)] : nullptr;
    blend_row_->setVisible(info && info->blends > 1);
    if (!info || info->blends < 2)
        return;
    {
        const QSignalBlocker quiet(blend_slider_);
        blend_slider_->setValue(static_cast<int>(std::lround(blend * blend_steps)));
    }
    const auto value = [&](float v) {
        return QString::number(static_cast<double>(v), 'f', 1) +
               (info->blend_turns ? QStringLiteral("°") : QString());
    };
    blend_label_->setText(
        tr("%1, from %2 to %3")
            .arg(value(info->blend_start + blend * (info->blend_end - info->blend_start)),
                 value(info->blend_start), value(info->blend_end)));
}

} // namespace viewer

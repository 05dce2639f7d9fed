#pragma once

#include "model/studio_model.h"

#include <QGroupBox>

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;

namespace viewer {

// The model's sequences to choose and play: the list, the buttons that play, pause and step, the
// frame slider, and the blend slider of a sequence of several blend sets. It says what the user
// asks for, and shows where the playback stands as it is told.
class SequencePanel final : public QGroupBox {
    Q_OBJECT

public:
    // The model outlives the panel. It opens on the first sequence, as the game shows a model:
    // the reference pose of a weapon seen from the eye often lies out of sight.
    explicit SequencePanel(const model::StudioModel& model);

    // The sequence chosen; -1 for the reference pose.
    int chosen() const;
    // Where the sequence stands: the frame, and whether it plays.
    void show_frame(int sequence, float frame, bool playing);
    // The blend slider where the blend lies, labelled in the sequence's own range; shown only for
    // a sequence that blends.
    void show_blend(int sequence, float blend);

signals:
    void sequence_chosen(int sequence);
    void play_pause_clicked();
    void step_clicked(int frames);
    void frame_chosen(int frame);
    void blend_chosen(float blend);

private:
    const model::StudioModel& model_;
    QListWidget* sequences_; // the reference pose first, then the model's sequences
    QPushButton* previous_frame_;
    QPushButton* play_;
    QPushButton* next_frame_;
    QSlider* frame_slider_;
    QLabel* frame_label_;
    QWidget* blend_row_;
    QSlider* blend_slider_;
    QLabel* blend_label_;
};

} // namespace viewer

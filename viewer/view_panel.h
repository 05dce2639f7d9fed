#pragma once

#include "render/scene_renderer.h"

#include <QGroupBox>

class QCheckBox;
class QColor;
class QPushButton;

namespace viewer {

// How the model is drawn and seen: textures, wireframe, bones and ground, the first-person view,
// the background, the view put back, and the picture saved.
class ViewPanel final : public QGroupBox {
    Q_OBJECT

public:
    ViewPanel(const render::ViewOptions& options, bool first_person);

    // The options, with what the panel switches set as it shows them.
    render::ViewOptions chosen(render::ViewOptions options) const;
    void show_background(const QColor& colour);

signals:
    void options_changed();
    void first_person_changed(bool on);
    void background_clicked();
    void reset_clicked();
    void save_clicked();

private:
    QCheckBox* textures_;
    QCheckBox* wireframe_;
    QCheckBox* bones_;
    QCheckBox* ground_; // of no use in the first-person view, which draws none
    QPushButton* background_;
};

} // namespace viewer

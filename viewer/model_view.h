#pragma once

#include "render/camera.h"
#include "render/image.h"
#include "render/scene_renderer.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace viewer {

// The picture of the model: renders the posed model as the camera sees it, and moves the camera
// by mouse and keys. It draws only when something changed. In the first-person view the camera
// stays at the eye and the ground is not drawn.
class ModelView final : public QWidget {
    Q_OBJECT

public:
    explicit ModelView(QWidget* parent = nullptr);

    // The model's textures, once per model.
    void set_textures(const std::vector<model::Texture>& textures);
    // The boxes the server box draws, once per model; none for a file without them.
    void set_server_boxes(std::optional<render::ServerBoxes> boxes);
    // The box the view is framed on and the ground laid under; the view goes back to it. The
    // camera frames the new box unless the user has moved it since it was last framed.
    void set_stage(const model::Box& box);
    void show_pose(model::DrawList list);

    const render::ViewOptions& options() const { return options_; }
    void set_options(const render::ViewOptions& options);
    void set_first_person(bool on);

    // Frames the stage again, or goes back to the eye.
    void reset_view();

    const render::Camera& camera() const { return camera_; }
    const render::Ground& ground() const { return ground_; }
    // The picture at the view's size, as it is shown.
    QImage picture();

signals:
    // Keys in the view for the sequence: Space, and comma or full stop.
    void play_pause_requested();
    void step_requested(int frames);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void render_if_changed();
    void changed();
    void camera_moved();
    // The user's moves of the camera, which the eye of the first-person view does not make.
    void turn(float yaw_degrees, float pitch_degrees);
    void pan(float right, float up);
    void zoom(float factor);

    render::SceneRenderer renderer_;
    render::Camera camera_;
    render::ViewOptions options_;
    model::DrawList list_;
    model::Box stage_{{-16, -16, -16}, {16, 16, 16}};
    render::Ground ground_ = render::ground_under(stage_.min, stage_.max);
    bool first_person_ = false;
    render::Image image_;
    bool stale_ = true;
    bool camera_moved_ = false; // by the user, since the view was last framed
    QPoint drag_from_;
};

} // namespace viewer

#include "viewer/model_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace viewer {

namespace {

constexpr float degrees_per_pixel = 0.4f;
constexpr float degrees_per_key = 15;
constexpr float pan_per_key = 0.05f;
constexpr float zoom_per_step = 0.85f;

} // namespace

ModelView::ModelView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("view"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

void ModelView::set_textures(const std::vector<model::Texture>& textures) {
    renderer_.set_textures(textures);
    changed();
}

void ModelView::set_server_boxes(std::optional<render::ServerBoxes> boxes) {
    renderer_.set_server_boxes(std::move(boxes));
    changed();
}

void ModelView::set_stage(const model::Box& box) {
    stage_ = box;
    ground_ = render::ground_under(box.min, box.max);
    if (camera_moved_)
        changed();
    else
        reset_view();
}

void ModelView::show_pose(model::DrawList list) {
    list_ = std::move(list);
    changed();
}

void ModelView::set_options(const render::ViewOptions& options) {
    options_ = options;
    changed();
}

void ModelView::set_first_person(bool on) {
    first_person_ = on;
    reset_view();
}

void ModelView::reset_view() {
    if (first_person_)
        camera_.look_from_origin();
    else
        camera_.frame(stage_.min, stage_.max,
                      static_cast<float>(std::max(width(), 1)) /
                          static_cast<float>(std::max(height(), 1)));
    camera_moved_ = false;
    changed();
}

QImage ModelView::picture() {
    render_if_changed();
    const QImage shown(reinterpret_cast<const uchar*>(image_.pixels.data()), image_.width,
                       image_.height, image_.width * 4, QImage::Format_RGB32);
    return shown.copy();
}

void ModelView::changed() {
    stale_ = true;
    update();
}

void ModelView::camera_moved() {
    camera_moved_ = true;
    changed();
}

void ModelView::render_if_changed() {
    const qreal ratio = devicePixelRatioF();
    const int w = std::max(1, static_cast<int>(std::lround(width() * ratio)));
    const int h = std::max(1, static_cast<int>(std::lround(height() * ratio)));
    if (!stale_ && w == image_.width && h == image_.height)
        return;
    image_.resize(w, h);
    render::ViewOptions shown = options_;
    shown.ground = shown.ground && !first_person_;
    renderer_.render(list_, camera_, shown, ground_, image_);
    stale_ = false;
}

void ModelView::paintEvent(QPaintEvent*) {
    render_if_changed();
    QImage shown(reinterpret_cast<const uchar*>(image_.pixels.data()), image_.width, image_.height,
                 image_.width * 4, QImage::Format_RGB32);
    shown.setDevicePixelRatio(devicePixelRatioF());
    QPainter(this).drawImage(0, 0, shown);
}

void ModelView::resizeEvent(QResizeEvent*) {
    // Until the user moves the camera, the model stays framed in whatever size the view takes.
    if (camera_moved_)
        changed();
    else
        reset_view();
}

void ModelView::turn(float yaw_degrees, float pitch_degrees) {
    if (first_person_)
        return;
    camera_.orbit(yaw_degrees, pitch_degrees);
    camera_moved();
}

void ModelView::pan(float right, float up) {
    if (first_person_)
        return;
    camera_.pan(right, up);
    camera_moved();
}

void ModelView::zoom(float factor) {
    if (first_person_)
        return;
    camera_.zoom(factor);
    camera_moved();
}

void ModelView::mousePressEvent(QMouseEvent* event) {
    drag_from_ = event->position().toPoint();
}

void ModelView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QPoint moved = at - drag_from_;
    drag_from_ = at;
    const auto h = static_cast<float>(std::max(height(), 1));
    if (event->buttons() & Qt::LeftButton)
        turn(-static_cast<float>(moved.x()) * degrees_per_pixel,
             static_cast<float>(moved.y()) * degrees_per_pixel);
    else if (event->buttons() & Qt::RightButton)
        pan(-static_cast<float>(moved.x()) / h, static_cast<float>(moved.y()) / h);
}

void ModelView::wheelEvent(QWheelEvent* event) {
    zoom(std::pow(zoom_per_step, static_cast<float>(event->angleDelta().y()) / 120));
}

void ModelView::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const auto turn_or_pan = [&](float x, float y) {
        if (shift)
            pan(-x * pan_per_key, y * pan_per_key);
        else
            turn(-x * degrees_per_key, y * degrees_per_key);
    };
    switch (event->key()) {
    case Qt::Key_Left:
        turn_or_pan(-1, 0);
        break;
    case Qt::Key_Right:
        turn_or_pan(1, 0);
        break;
    case Qt::Key_Up:
        turn_or_pan(0, -1);
        break;
    case Qt::Key_Down:
        turn_or_pan(0, 1);
        break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_PageUp:
        zoom(zoom_per_step);
        break;
    case Qt::Key_Minus:
    case Qt::Key_PageDown:
        zoom(1 / zoom_per_step);
        break;
    case Qt::Key_Home:
        reset_view();
        break;
    case Qt::Key_Space:
        emit play_pause_requested();
        break;
    case Qt::Key_Comma:
        emit step_requested(-1);
        break;
    case Qt::Key_Period:
        emit step_requested(1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace viewer

#include "viewer/view_panel.h"

#include "gui/controls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPixmap>
#include <QPushButton>

namespace viewer {

namespace {

QPixmap swatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}

} // namespace

ViewPanel::ViewPanel(const render::ViewOptions& options, bool first_person)
    : QGroupBox(tr("View")) {
    setObjectName(QStringLiteral("view_box"));
    const auto check = [this](const QString& text, const char* name, bool checked) {
        auto* box = gui::named(new QCheckBox(text), name);
        box->setChecked(checked);
        connect(box, &QCheckBox::toggled, this, &ViewPanel::options_changed);
        return box;
    };
    textures_ = check(tr("&Textures"), "show_textures", options.textures);
    wireframe_ = check(tr("&Wireframe"), "show_wireframe", options.wireframe);
    bones_ = check(tr("&Bones"), "show_bones", options.bones);
    ground_ = check(tr("&Ground"), "show_ground", options.ground);
    ground_->setEnabled(!first_person);
    auto* eye = gui::named(new QCheckBox(tr("F&irst person")), "first_person");
    eye->setToolTip(tr("Sees the model from its origin along its front, as the game shows a "
                       "weapon in the player's hands"));
    eye->setChecked(first_person);
    background_ = gui::named(new QPushButton(tr("Ba&ckground...")), "background");
    show_background(QColor(render::red_of(options.background), render::green_of(options.background),
                           render::blue_of(options.background)));
    auto* reset = gui::named(new QPushButton(tr("&Reset view")), "reset_view");
    reset->setToolTip(tr("Frames the model again, or goes back to the eye (Home in the picture)"));
    auto* save = gui::named(new QPushButton(tr("&Save picture...")), "save_picture");
    save->setToolTip(tr("Saves the picture as PNG (Ctrl+S)"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(textures_, 0, 0);
    grid->addWidget(wireframe_, 0, 1);
    grid->addWidget(bones_, 1, 0);
    grid->addWidget(ground_, 1, 1);
    grid->addWidget(eye, 2, 0, 1, 2);
    grid->addWidget(background_, 3, 0);
    grid->addWidget(reset, 3, 1);
    grid->addWidget(save, 4, 0, 1, 2);

    connect(eye, &QCheckBox::toggled, this, [this](bool on) {
        ground_->setEnabled(!on);
        emit first_person_changed(on);
    });
    connect(background_, &QPushButton::clicked, this, &ViewPanel::background_clicked);
    connect(reset, &QPushButton::clicked, this, &ViewPanel::reset_clicked);
    connect(save, &QPushButton::clicked, this, &ViewPanel::save_clicked);
}

render::ViewOptions ViewPanel::chosen(render::ViewOptions options) const {
    options.textures = textures_->isChecked();
    options.wireframe = wireframe_->isChecked();
    options.bones = bones_->isChecked();
    options.ground = ground_->isChecked();
    return options;
}

void ViewPanel::show_background(const QColor& colour) {
    background_->setIcon(swatch(colour));
}

} // namespace viewer

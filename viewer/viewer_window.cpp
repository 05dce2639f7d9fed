#include "viewer/viewer_window.h"

#include "gui/controls.h"
#include "model/companions.h"
#include "platform/file_system.h"
#include "render/model_picture.h"
#include "viewer/clock.h"
#include "viewer/folders.h"
#include "viewer/model_facts.h"
#include "viewer/model_view.h"
#include "viewer/texture_browser.h"
#include "viewer/view_settings.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <cmath>

namespace viewer {

namespace {

// Positions of the blend slider from the first blend set to the last.
constexpr int blend_steps = 100;
// The stage of a model that draws nothing: a small model's size.
constexpr model::Box empty_stage{{-16, -16, 0}, {16, 16, 32}};

QString controls_text() {
    return ViewerWindow::tr(
        "Drag with the left mouse button to turn the model, with the right button to move it; "
        "the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, "
        "Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts "
        "the view back. Seen in the first person, the view stays at the eye. Space plays or "
        "pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape "
        "closes the window.");
}

QString viewer_title() {
    return ViewerWindow::tr("Tessary model viewer");
}

// The first model file among the files dragged, or none.
QString dragged_model(const QMimeData* data) {
    for (const QUrl& url : data->urls()) {
        const QString file = url.toLocalFile();
        if (file.endsWith(QStringLiteral(".mdl"), Qt::CaseInsensitive))
            return file;
    }
    return {};
}

QPixmap swatch(const QColor& colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour);
    return pixmap;
}

QColor qcolour(render::Colour colour) {
    return QColor(render::red_of(colour), render::green_of(colour), render::blue_of(colour));
}

} // namespace

ViewerWindow::ViewerWindow(const QString& path, Clock* clock)
    : clock_(clock ? clock : new WallClock) {
    setObjectName(QStringLiteral("viewer_window"));
    setAcceptDrops(true);
    clock_->setParent(this);
    view_ = new ModelView;
    view_->setToolTip(controls_text());
    view_->set_options(viewer::read_view_options());
    pages_ = gui::named(new QTabWidget(this), "pages");
    pages_->addTab(view_, tr("Mo&del"));
    message_ = gui::named(new QLabel, "message");
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignCenter);
    message_->setMargin(24);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    open_model_ = gui::named(new QPushButton, "open_model");
    open_model_->hide();
    message_page_ = gui::named(new QWidget(this), "message_page");
    auto* message_column = new QVBoxLayout(message_page_);
    message_column->addStretch(1);
    message_column->addWidget(message_);
    message_column->addWidget(open_model_, 0, Qt::AlignCenter);
    message_column->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setMenuBar(build_menu_bar());
    layout->addWidget(message_page_, 1);
    layout->addWidget(pages_, 1);

    connect(clock_, &Clock::ticked, this, &ViewerWindow::tick);
    connect(view_, &ModelView::play_pause_requested, this, &ViewerWindow::play_or_pause);
    connect(view_, &ModelView::step_requested, this, &ViewerWindow::step);
    connect(open_model_, &QPushButton::clicked, this, [this] { open(owner_path_); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    // Roomy, but within the screen it opens on, whatever its scale.
    resize(QSize(1100, 720).boundedTo(screen()->availableGeometry().size() * 0.9));
    if (path.isEmpty()) {
        setWindowTitle(viewer_title());
        show_failure(tr("Open a model with File → Open, or drop a .mdl file here."));
    } else {
        open(path);
    }
}

ViewerWindow::~ViewerWindow() = default;

QMenuBar* ViewerWindow::build_menu_bar() {
    auto* bar = gui::named(new QMenuBar(this), "menu_bar");
    auto* file = gui::named(bar->addMenu(tr("&File")), "mi_file");
    auto* open = gui::named(file->addAction(tr("&Open...")), "mi_open");
    open->setShortcut(QKeySequence::Open);
    save_picture_ = gui::named(file->addAction(tr("&Save picture...")), "mi_save_picture");
    save_picture_->setShortcut(QKeySequence::Save);
    save_picture_->setEnabled(false);
    file->addSeparator();
    auto* exit = gui::named(file->addAction(tr("E&xit")), "mi_exit");

    connect(open, &QAction::triggered, this, &ViewerWindow::choose_model_to_open);
    connect(save_picture_, &QAction::triggered, this, &ViewerWindow::choose_file_for_picture);
    connect(exit, &QAction::triggered, this, &QWidget::close);
    return bar;
}

void ViewerWindow::choose_model_to_open() {
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open model"), folder_to_open_from(path_),
                                     tr("Model files (*.mdl);;All files (*)"));
    if (path.isEmpty())
        return;
    remember_folder_opened_from(path);
    open(path);
}

void ViewerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!dragged_model(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void ViewerWindow::dropEvent(QDropEvent* event) {
    const QString path = dragged_model(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    open(path);
}

void ViewerWindow::show_failure(const QString& text) {
    message_->setText(text);
    pages_->hide();
    message_page_->show();
}

void ViewerWindow::open(const QString& path) {
    close_model();
    // Companions lie in the model's folder, which a bare file name does not name.
    path_ = QFileInfo(path).absoluteFilePath();
    const QFileInfo info(path_);
    file_name_ = info.fileName();
    file_size_ = info.size();
    setWindowTitle(tr("%1 — %2").arg(file_name_, viewer_title()));

    auto loaded = model::load_model(path_.toStdString());
    if (!loaded) {
        if (const auto group = model::load_group_file(path_.toStdString()))
            return show_group_file(*group);
        QStringList reasons;
        for (const auto& text : loaded.messages())
            reasons << QString::fromStdString(text);
        if (reasons.isEmpty())
            reasons << tr("The file could not be read.");
        show_failure(tr("%1 cannot be shown.").arg(file_name_) + QStringLiteral("\n\n") +
                     reasons.join(QLatin1Char('\n')));
        return;
    }
    model_.emplace(std::move(loaded).value());
    textures_ = new TextureBrowser(model_->textures(), path_);
    pages_->addTab(textures_, tr("Text&ures"));
    message_page_->hide();
    pages_->show();
    if (model_->body_parts().empty() && !model_->textures().empty())
        return show_texture_file();

    playback_ = std::make_unique<render::Playback>(*model_);
    pose_.body_choices.assign(model_->body_parts().size(), 0);
    view_->set_textures(model_->textures());
    eye_model_ = render::seen_from_the_eye(file_name_.toStdString());
    view_->set_first_person(viewer::read_first_person(eye_model_));
    panel_scroll_ = build_panel();
    choose_sequence(sequences_->currentRow());
    show_facts();
    // A model opened in a window already shown has its panel laid out as it shows, so only once
    // everything in it is set.
    layout()->addWidget(panel_scroll_);
    panel_scroll_->show();
    save_picture_->setEnabled(true);
    view_->setFocus();
}

void ViewerWindow::close_model() {
    clock_->set_running(false);
    // The panel goes with every control in it, the textures' page with its tab.
    delete panel_scroll_;
    panel_scroll_ = nullptr;
    background_ = nullptr; // both are asked for without a model too
    status_ = nullptr;
    delete textures_;
    textures_ = nullptr;
    if (pages_->indexOf(view_) < 0)
        pages_->insertTab(0, view_, tr("Mo&del"));
    pages_->setCurrentWidget(view_);
    open_model_->hide();
    save_picture_->setEnabled(false);
    playback_.reset();
    model_.reset();
    pose_ = {};
    view_->show_pose({});
}

void ViewerWindow::show_texture_file() {
    const std::string owner = model::texture_file_owner(file_name_.toStdString());
    textures_->set_note(owner.empty() ? tr("%1 holds textures only.").arg(file_name_)
                                      : tr("%1 holds the textures of the model %2.")
                                            .arg(file_name_, QString::fromStdString(owner)));
    pages_->removeTab(pages_->indexOf(view_));
}

void ViewerWindow::show_group_file(const model::GroupFile& group) {
    const QString owner = QString::fromStdString(group.model);
    if (group.model.empty()) {
        show_failure(tr("%1 holds animation for the sequences of another model, and nothing to "
                        "draw.")
                         .arg(file_name_));
        return;
    }
    QString text = tr("%1 holds animation for the sequences of the model %2, and nothing to draw; "
                      "%2 plays them.")
                       .arg(file_name_, owner);
    const platform::Path beside = platform::Path(path_.toStdString()).folder() / group.model;
    if (platform::is_ordinary_file(beside)) {
        owner_path_ = QString::fromStdString(platform::native_path(beside));
        open_model_->setText(tr("&Open %1").arg(owner));
        open_model_->show();
    } else {
        text += QStringLiteral("\n\n") + tr("%1 is not in the same folder.").arg(owner);
    }
    show_failure(text);
}

QWidget* ViewerWindow::build_panel() {
    auto* panel = gui::named(new QWidget, "panel");
    auto* column = new QVBoxLayout(panel);
    // What servers make of the file comes first: it decides whether the model can be played.
    auto* servers_box = gui::named(new QGroupBox(tr("On servers")), "servers_box");
    auto* servers = gui::named(new QLabel, "servers");
    servers->setWordWrap(true);
    servers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bool refused = false;
    servers->setText(viewer::server_facts(path_, file_name_, refused));
    if (refused)
        servers->setStyleSheet(QStringLiteral("color: #b00000"));
    (new QVBoxLayout(servers_box))->addWidget(servers);
    column->addWidget(servers_box);
    column->addWidget(build_sequence_box());
    if (auto* choices = build_choice_box())
        column->addWidget(choices);
    column->addWidget(build_view_box());

    auto* facts_box = gui::named(new QGroupBox(tr("About the model")), "facts_box");
    facts_ = gui::named(new QLabel, "facts");
    facts_->setWordWrap(true);
    facts_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QVBoxLayout(facts_box))->addWidget(facts_);
    column->addWidget(facts_box);

    status_ = gui::named(new QLabel, "status");
    status_->setWordWrap(true);
    column->addWidget(status_);
    column->addStretch(1);

    auto* scroll = gui::named(new QScrollArea(this), "panel_scroll");
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFixedWidth(320);
    scroll->setFocusPolicy(Qt::NoFocus);
    return scroll;
}

QGroupBox* ViewerWindow::build_sequence_box() {
    auto* box = gui::named(new QGroupBox(tr("Se&quences")), "sequence_box");
    sequences_ = gui::named(new QListWidget, "sequences");
    sequences_->addItem(tr("Reference pose"));
    for (const auto& sequence : model_->sequences()) {
        sequences_->addItem(tr("%1 (%2 frames at %3 fps%4)")
                                .arg(QString::fromLocal8Bit(sequence.name))
                                .arg(sequence.frame_count)
                                .arg(static_cast<double>(sequence.fps))
                                .arg(sequence.looping ? tr(", looping") : QString()));
    }
    // The model opens on its first sequence, playing, as the game shows it: the reference pose of
    // a weapon seen from the eye often lies out of sight.
    sequences_->setCurrentRow(model_->sequences().empty() ? 0 : 1);
    previous_frame_ = gui::named(new QPushButton(tr("Pre&v")), "previous_frame");
    previous_frame_->setToolTip(tr("The frame before (comma in the picture)"));
    play_ = gui::named(new QPushButton(tr("&Play")), "play");
    play_->setToolTip(tr("Plays or pauses the sequence (Space in the picture)"));
    next_frame_ = gui::named(new QPushButton(tr("Ne&xt")), "next_frame");
    next_frame_->setToolTip(tr("The frame after (full stop in the picture)"));
    frame_slider_ = gui::named(new QSlider(Qt::Horizontal), "frame_slider");
    frame_label_ = gui::named(new QLabel, "frame_label");
    auto* slider_label = gui::named(new QLabel(tr("Fra&me")), "frame_slider_label");
    slider_label->setBuddy(frame_slider_);
    blend_slider_ = gui::named(new QSlider(Qt::Horizontal), "blend_slider");
    blend_slider_->setRange(0, blend_steps);
    blend_slider_->setToolTip(tr("Mixes the sequence's blend sets, as the game does to aim"));
    blend_label_ = gui::named(new QLabel, "blend_label");
    auto* blend_slider_label = gui::named(new QLabel(tr("B&lend")), "blend_slider_label");
    blend_slider_label->setBuddy(blend_slider_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_frame_);
    buttons->addWidget(play_);
    buttons->addWidget(next_frame_);
    auto* slider_row = new QHBoxLayout;
    slider_row->addWidget(slider_label);
    slider_row->addWidget(frame_slider_, 1);
    blend_row_ = gui::named(new QWidget, "blend_row");
    auto* blend = new QGridLayout(blend_row_);
    blend->setContentsMargins(0, 0, 0, 0);
    blend->addWidget(blend_slider_label, 0, 0);
    blend->addWidget(blend_slider_, 0, 1);
    blend->addWidget(blend_label_, 1, 0, 1, 2);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(sequences_);
    layout->addLayout(buttons);
    layout->addLayout(slider_row);
    layout->addWidget(frame_label_);
    layout->addWidget(blend_row_);

    connect(sequences_, &QListWidget::currentRowChanged, this, &ViewerWindow::choose_sequence);
    connect(previous_frame_, &QPushButton::clicked, this, [this] { step(-1); });
    connect(play_, &QPushButton::clicked, this, &ViewerWindow::play_or_pause);
    connect(next_frame_, &QPushButton::clicked, this, [this] { step(1); });
    connect(frame_slider_, &QSlider::valueChanged, this, &ViewerWindow::slide_to);
    connect(blend_slider_, &QSlider::valueChanged, this, &ViewerWindow::blend_to);
    return box;
}

QGroupBox* ViewerWindow::build_choice_box() {
    auto* form = new QFormLayout;
    const auto& parts = model_->body_parts();
    body_parts_.assign(parts.size(), nullptr);
    for (std::size_t part = 0; part < parts.size(); ++part) {
        if (parts[part].choices.size() < 2)
            continue;
        auto* choices = gui::named(new QComboBox, ("body_part_" + std::to_string(part)).c_str());
        for (const auto& choice : parts[part].choices)
            choices->addItem(QString::fromLocal8Bit(choice));
        // Digits give every body part an access key of its own, however many there are.
        const auto number = static_cast<int>(form->rowCount()) + 1;
        const QString key = number <= 9 ? QStringLiteral("&%1 ").arg(number) : QString();
        form->addRow(key + QString::fromLocal8Bit(parts[part].name), choices);
        connect(choices, &QComboBox::currentIndexChanged, this, [this, part](int index) {
            pose_.body_choices[part] = index;
            frame_what_is_shown();
            show_pose();
            show_facts();
        });
        body_parts_[part] = choices;
    }
    if (model_->skin_families() > 1) {
        skin_ = gui::named(new QComboBox, "skin");
        for (int family = 1; family <= model_->skin_families(); ++family)
            skin_->addItem(tr("Family %1").arg(family));
        form->addRow(tr("S&kin"), skin_);
        connect(skin_, &QComboBox::currentIndexChanged, this, [this](int index) {
            pose_.skin = index;
            show_pose();
        });
    }
    if (form->rowCount() == 0) {
        delete form;
        return nullptr;
    }
    auto* box = gui::named(new QGroupBox(tr("Body parts and skins")), "choice_box");
    box->setLayout(form);
    return box;
}

QGroupBox* ViewerWindow::build_view_box() {
    const auto& options = view_->options();
    const auto check = [this](const QString& text, const char* name, bool checked) {
        auto* box = gui::named(new QCheckBox(text), name);
        box->setChecked(checked);
        connect(box, &QCheckBox::toggled, this, &ViewerWindow::options_changed);
        return box;
    };
    show_textures_ = check(tr("&Textures"), "show_textures", options.textures);
    show_wireframe_ = check(tr("&Wireframe"), "show_wireframe", options.wireframe);
    show_bones_ = check(tr("&Bones"), "show_bones", options.bones);
    show_ground_ = check(tr("&Ground"), "show_ground", options.ground);
    show_ground_->setEnabled(!view_->camera().first_person());
    first_person_ = gui::named(new QCheckBox(tr("F&irst person")), "first_person");
    first_person_->setToolTip(tr("Sees the model from its origin along its front, as the game "
                                 "shows a weapon in the player's hands"));
    first_person_->setChecked(view_->camera().first_person());
    connect(first_person_, &QCheckBox::toggled, this, &ViewerWindow::first_person_changed);
    background_ = gui::named(new QPushButton(tr("Ba&ckground...")), "background");
    background_->setIcon(swatch(qcolour(options.background)));
    reset_view_ = gui::named(new QPushButton(tr("&Reset view")), "reset_view");
    reset_view_->setToolTip(tr("Frames the model again, or goes back to the eye (Home in the "
                               "picture)"));
    save_ = gui::named(new QPushButton(tr("&Save picture...")), "save_picture");
    save_->setToolTip(tr("Saves the picture as PNG (Ctrl+S)"));

    auto* box = gui::named(new QGroupBox(tr("View")), "view_box");
    auto* grid = new QGridLayout(box);
    grid->addWidget(show_textures_, 0, 0);
    grid->addWidget(show_wireframe_, 0, 1);
    grid->addWidget(show_bones_, 1, 0);
    grid->addWidget(show_ground_, 1, 1);
    grid->addWidget(first_person_, 2, 0, 1, 2);
    grid->addWidget(background_, 3, 0);
    grid->addWidget(reset_view_, 3, 1);
    grid->addWidget(save_, 4, 0, 1, 2);

    connect(background_, &QPushButton::clicked, this, &ViewerWindow::choose_background);
    connect(reset_view_, &QPushButton::clicked, view_, &ModelView::reset_view);
    connect(save_, &QPushButton::clicked, this, &ViewerWindow::choose_file_for_picture);
    return box;
}

void ViewerWindow::show_facts() {
    model::Pose reference;
    reference.body_choices = pose_.body_choices;
    facts_->setText(viewer::model_facts(*model_, file_name_, file_size_, model_->draw(reference)));
}

void ViewerWindow::choose_sequence(int row) {
    playback_->choose(row - 1, clock_->seconds());
    pose_.sequence = playback_->sequence();
    pose_.blend = 0.5f;
    show_blend();
    frame_what_is_shown();
    show_pose();
}

void ViewerWindow::frame_what_is_shown() {
    view_->set_stage(model_->bounds(pose_).value_or(empty_stage));
}

void ViewerWindow::blend_to(int step) {
    pose_.blend = static_cast<float>(step) / blend_steps;
    show_blend();
    show_pose();
}

// The blend slider where the pose's blend lies, labelled in the sequence's own range; shown only
// for a sequence that blends.
void ViewerWindow::show_blend() {
    const model::SequenceInfo* sequence =
        pose_.sequence >= 0 ? &model_->sequences()[static_cast<std::size_t>(pose_.sequence)]
                            : nullptr;
    blend_row_->setVisible(sequence && sequence->blends > 1);
    if (!sequence || sequence->blends < 2)
        return;
    {
        const QSignalBlocker quiet(blend_slider_);
        blend_slider_->setValue(static_cast<int>(std::lround(pose_.blend * blend_steps)));
    }
    const auto value = [&](float v) {
        return QString::number(static_cast<double>(v), 'f', 1) +
               (sequence->blend_turns ? QStringLiteral("°") : QString());
    };
    blend_label_->setText(
        tr("%1, from %2 to %3")
            .arg(value(sequence->blend_start +
                       pose_.blend * (sequence->blend_end - sequence->blend_start)),
                 value(sequence->blend_start), value(sequence->blend_end)));
}

void ViewerWindow::play_or_pause() {
    if (!playback_)
        return;
    if (playback_->playing())
        playback_->pause(clock_->seconds());
    else
        playback_->play(clock_->seconds());
    show_pose();
}

void ViewerWindow::step(int frames) {
    if (!playback_)
        return;
    playback_->step(frames, clock_->seconds());
    show_pose();
}

void ViewerWindow::slide_to(int frame) {
    playback_->show_frame(static_cast<float>(frame));
    show_pose();
}

void ViewerWindow::tick() {
    if (!playback_ || !playback_->playing())
        return;
    if (playback_->finished(clock_->seconds()))
        playback_->pause(clock_->seconds());
    show_pose();
}

void ViewerWindow::show_pose() {
    const double now = clock_->seconds();
    pose_.sequence = playback_->sequence();
    pose_.frame = playback_->frame(now);
    view_->show_pose(model_->draw(pose_));

    const bool sequence = pose_.sequence >= 0;
    const int frames =
        sequence ? model_->sequences()[static_cast<std::size_t>(pose_.sequence)].frame_count : 1;
    {
        const QSignalBlocker quiet(frame_slider_);
        frame_slider_->setRange(0, std::max(0, frames - 1));
        frame_slider_->setValue(static_cast<int>(std::floor(pose_.frame)));
    }
    frame_slider_->setEnabled(sequence);
    previous_frame_->setEnabled(sequence);
    next_frame_->setEnabled(sequence);
    play_->setEnabled(sequence);
    play_->setText(playback_->playing() ? tr("&Pause") : tr("&Play"));
    frame_label_->setText(
        sequence
            ? tr("Frame %1 of %2").arg(static_cast<int>(std::floor(pose_.frame)) + 1).arg(frames)
            : tr("The pose the model was made in"));
    clock_->set_running(playback_->playing());
}

void ViewerWindow::options_changed() {
    auto options = view_->options();
    options.textures = show_textures_->isChecked();
    options.wireframe = show_wireframe_->isChecked();
    options.bones = show_bones_->isChecked();
    options.ground = show_ground_->isChecked();
    view_->set_options(options);
    viewer::write_view_options(options);
}

void ViewerWindow::first_person_changed(bool on) {
    view_->set_first_person(on);
    viewer::write_first_person(eye_model_, on);
    show_ground_->setEnabled(!on);
}

void ViewerWindow::set_background(const QColor& colour) {
    auto options = view_->options();
    options.background = render::rgb(colour.red(), colour.green(), colour.blue());
    view_->set_options(options);
    viewer::write_view_options(options);
    if (background_)
        background_->setIcon(swatch(colour));
}

void ViewerWindow::choose_background() {
    const QColor colour =
        QColorDialog::getColor(qcolour(view_->options().background), this, tr("Background"));
    if (colour.isValid())
        set_background(colour);
}

QImage ViewerWindow::picture() {
    return view_->picture();
}

bool ViewerWindow::save_picture(const QString& path) {
    const bool saved = picture().save(path, "PNG");
    if (status_) {
        status_->setText(saved ? tr("The picture was saved as %1.").arg(QFileInfo(path).fileName())
                               : tr("The picture could not be saved as %1.").arg(path));
    }
    return saved;
}

void ViewerWindow::choose_file_for_picture() {
    const QString suggested =
        QDir(folder_for_picture(path_)).filePath(QFileInfo(path_).completeBaseName() + ".png");
    const QString path = QFileDialog::getSaveFileName(this, tr("Save picture"), suggested,
                                                      tr("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    if (save_picture(path))
        remember_folder_of_picture(path_, path);
}

} // namespace viewer

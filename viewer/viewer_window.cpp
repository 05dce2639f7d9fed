#include "viewer/viewer_window.h"

#include "gui/controls.h"
#include "gui/text.h"
#include "gui/words.h"
#include "model/companions.h"
#include "model/server_check_words.h"
#include "model/weapon_files.h"
#include "platform/file_system.h"
#include "render/model_picture.h"
#include "viewer/choice_panel.h"
#include "viewer/clock.h"
#include "viewer/folders.h"
#include "viewer/model_facts.h"
#include "viewer/model_view.h"
#include "viewer/sequence_panel.h"
#include "viewer/server_panel.h"
#include "viewer/texture_browser.h"
#include "viewer/view_panel.h"
#include "viewer/view_settings.h"

#include <QColorDialog>
#include <QCursor>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QStringList>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace viewer {

namespace {

// The stage of a model that draws nothing: a small model's size.
constexpr model::Box empty_stage{{-16, -16, 0}, {16, 16, 32}};

void include(std::optional<model::Box>& stage, const model::Box& box) {
    model::include(stage, box.min);
    model::include(stage, box.max);
}

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
        if (model::is_model_file_name(gui::core_text(file)))
            return file;
    }
    return {};
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
    // The model's page holds the panel beside the picture, so that the window is as wide as the
    // wider of its pages, not as both together.
    model_page_ = gui::named(new QWidget, "model_page");
    (new QHBoxLayout(model_page_))->addWidget(view_, 1);
    pages_ = gui::named(new QTabWidget(this), "pages");
    pages_->addTab(model_page_, tr("Mo&del"));
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

    fit_into_screen();
    if (path.isEmpty()) {
        setWindowTitle(viewer_title());
        show_failure(tr("Open a model with File → Open, or drop a .mdl file here."));
    } else {
        open(path);
    }
}

ViewerWindow::~ViewerWindow() = default;

void ViewerWindow::fit_into_screen() {
    const QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    const QRect room = (screen ? screen : this->screen())->availableGeometry();
    // The frame is known once the window is, and then counts too.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize size = QSize(1100, 720).boundedTo(room.size() * 0.9).boundedTo(room.size() - frame);
    resize(size);
    const QSize outer = size + frame;
    move(room.x() + (room.width() - outer.width()) / 2,
         room.y() + (room.height() - outer.height()) / 2);
}

void ViewerWindow::showEvent(QShowEvent* event) {
    if (!shown_)
        fit_into_screen();
    shown_ = true;
    QWidget::showEvent(event);
}

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
    file_name_ = QFileInfo(path_).fileName();
    setWindowTitle(tr("%1 — %2").arg(file_name_, viewer_title()));
    const auto bytes = model::read_model_file(gui::core_text(path_));
    if (!bytes)
        return show_unreadable(bytes.messages());
    switch (model::studio_kind(*bytes)) {
    case model::StudioKind::texture_file:
        return show_texture_file(*bytes);
    case model::StudioKind::group_file:
        return show_group_file(*bytes);
    case model::StudioKind::model:
    case model::StudioKind::none: // the reader says why it is no model
        return show_model(*bytes);
    }
}

void ViewerWindow::show_unreadable(const platform::Messages& reasons) {
    QStringList lines;
    for (const auto& reason : reasons)
        lines << gui::words(reason);
    if (lines.isEmpty())
        lines << tr("The file could not be read.");
    show_failure(tr("%1 cannot be shown.").arg(file_name_) + QStringLiteral("\n\n") +
                 lines.join(QLatin1Char('\n')));
}

void ViewerWindow::show_model(const std::vector<std::uint8_t>& bytes) {
    const std::string path = gui::core_text(path_);
    auto read = model::load_model(bytes, path);
    if (!read)
        return show_unreadable(read.messages());
    model_.emplace(std::move(read).value());
    add_texture_page(new TextureBrowser(model_->textures(), path_));

    playback_ = std::make_unique<render::Playback>(*model_);
    pose_.body_choices.assign(model_->body_parts().size(), 0);
    view_->set_textures(model_->textures());
    eye_model_ = render::seen_from_the_eye(gui::core_text(file_name_));
    view_->set_first_person(viewer::read_first_person(eye_model_));
    panel_scroll_ = build_panel(bytes);
    choose_sequence(sequence_panel_->chosen());
    show_facts();
    // A model opened in a window already shown has its panel laid out as it shows, so only once
    // everything in it is set.
    model_page_->layout()->addWidget(panel_scroll_);
    panel_scroll_->show();
    save_picture_->setEnabled(true);
    view_->setFocus();
}

void ViewerWindow::close_model() {
    clock_->set_running(false);
    // The panel goes with every control in it, the textures' page with its tab.
    delete panel_scroll_;
    panel_scroll_ = nullptr;
    sequence_panel_ = nullptr;
    server_panel_ = nullptr;
    view_panel_ = nullptr; // asked for without a model too
    status_ = nullptr;
    delete texture_page_;
    texture_page_ = nullptr;
    if (pages_->indexOf(model_page_) < 0)
        pages_->insertTab(0, model_page_, tr("Mo&del"));
    pages_->setCurrentWidget(model_page_);
    open_model_->hide();
    save_picture_->setEnabled(false);
    playback_.reset();
    view_->set_textures({});
    model_.reset();
    pose_ = {};
    view_->show_pose({});
}

void ViewerWindow::show_texture_file(const std::vector<std::uint8_t>& bytes) {
    auto read = model::read_model(bytes, {}, gui::core_text(path_));
    if (!read)
        return show_unreadable(read.messages());
    model_.emplace(std::move(read).value());
    auto* textures = new TextureBrowser(model_->textures(), path_);
    const std::string owner = model::texture_file_owner(gui::core_text(file_name_));
    textures->set_note(
        owner.empty()
            ? tr("%1 holds textures only.").arg(file_name_)
            : tr("%1 holds the textures of the model %2.").arg(file_name_, gui::qtext(owner)));
    pages_->removeTab(pages_->indexOf(model_page_));
    add_texture_page(textures);
}

void ViewerWindow::add_texture_page(TextureBrowser* textures) {
    auto* page = gui::named(new QScrollArea, "texture_page");
    page->setWidget(textures);
    page->setWidgetResizable(true);
    page->setFrameShape(QFrame::NoFrame);
    texture_page_ = page;
    pages_->addTab(page, tr("Text&ures"));
    message_page_->hide();
    pages_->show();
}

void ViewerWindow::show_group_file(const std::vector<std::uint8_t>& bytes) {
    const auto group = model::read_group_file(bytes, gui::core_text(file_name_));
    if (!group)
        return show_unreadable(group.messages());
    if (group->model.empty()) {
        show_failure(tr("%1 holds animation for the sequences of another model, and nothing to "
                        "draw.")
                         .arg(file_name_));
        return;
    }
    const QString owner = gui::qtext(group->model);
    QString text = tr("%1 holds animation for the sequences of the model %2, and nothing to draw; "
                      "%2 plays them.")
                       .arg(file_name_, owner);
    const platform::Path beside = gui::path_of(path_).folder() / group->model;
    if (platform::is_ordinary_file(beside)) {
        owner_path_ = gui::native_text(beside);
        open_model_->setText(tr("&Open %1").arg(owner));
        open_model_->show();
    } else {
        text += QStringLiteral("\n\n") + tr("%1 is not in the same folder.").arg(owner);
    }
    show_failure(text);
}

QWidget* ViewerWindow::build_panel(const std::vector<std::uint8_t>& bytes) {
    auto* panel = gui::named(new QWidget, "panel");
    auto* column = new QVBoxLayout(panel);
    const std::string name = gui::core_text(file_name_);
    const auto servers = model::check_for_servers(bytes, name);
    const auto compared = model::compared_box(name);
    server_boxes_ = {compared.box, servers.measured,
                     servers.measured ? model::sides_outside(*servers.measured, compared.box)
                                      : std::vector<model::AxisOutside>{}};
    view_->set_server_boxes(server_boxes_);
    server_panel_ = new ServerPanel(servers, compared, name, view_->options());
    column->addWidget(server_panel_);
    connect(server_panel_, &ServerPanel::options_changed, this, [this] {
        options_changed();
        frame_what_is_shown();
    });

    sequence_panel_ = new SequencePanel(*model_);
    column->addWidget(sequence_panel_);
    connect(sequence_panel_, &SequencePanel::sequence_chosen, this, &ViewerWindow::choose_sequence);
    connect(sequence_panel_, &SequencePanel::play_pause_clicked, this,
            &ViewerWindow::play_or_pause);
    connect(sequence_panel_, &SequencePanel::step_clicked, this, &ViewerWindow::step);
    connect(sequence_panel_, &SequencePanel::frame_chosen, this, &ViewerWindow::slide_to);
    connect(sequence_panel_, &SequencePanel::blend_chosen, this, &ViewerWindow::blend_to);

    if (ChoicePanel::has_choices(*model_)) {
        auto* choices = new ChoicePanel(*model_);
        column->addWidget(choices);
        connect(choices, &ChoicePanel::body_part_chosen, this, [this](std::size_t part, int index) {
            pose_.body_choices[part] = index;
            frame_what_is_shown();
            show_pose();
            show_facts();
        });
        connect(choices, &ChoicePanel::skin_chosen, this, [this](int family) {
            pose_.skin = family;
            show_pose();
        });
    }

    view_panel_ = new ViewPanel(view_->options(), view_->camera().first_person());
    column->addWidget(view_panel_);
    connect(view_panel_, &ViewPanel::options_changed, this, &ViewerWindow::options_changed);
    connect(view_panel_, &ViewPanel::first_person_changed, this,
            &ViewerWindow::first_person_changed);
    connect(view_panel_, &ViewPanel::background_clicked, this, &ViewerWindow::choose_background);
    connect(view_panel_, &ViewPanel::reset_clicked, view_, &ModelView::reset_view);
    connect(view_panel_, &ViewPanel::save_clicked, this, &ViewerWindow::choose_file_for_picture);

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
    // As wide as its panels need, so that none of their text is cut off, but at most half the
    // screen: only there does it scroll sideways too.
    const int needed = panel->minimumSizeHint().width() +
                       scroll->verticalScrollBar()->sizeHint().width() + 2 * scroll->frameWidth();
    scroll->setFixedWidth(
        std::min(std::max(320, needed), screen()->availableGeometry().width() / 2));
    scroll->setFocusPolicy(Qt::NoFocus);
    return scroll;
}

void ViewerWindow::show_facts() {
    model::Pose reference;
    reference.body_choices = pose_.body_choices;
    facts_->setText(
        viewer::model_facts(*model_, file_name_, QFileInfo(path_).size(), model_->draw(reference)));
}

void ViewerWindow::choose_sequence(int sequence) {
    playback_->choose(sequence, clock_->seconds());
    pose_.sequence = playback_->sequence();
    pose_.blend = 0.5f;
    sequence_panel_->show_blend(pose_.sequence, pose_.blend);
    frame_what_is_shown();
    show_pose();
}

void ViewerWindow::frame_what_is_shown() {
    // What is drawn over the model is framed with it.
    std::optional<model::Box> stage = model_->bounds(pose_);
    const auto& options = view_->options();
    if (options.server_box) {
        include(stage, server_boxes_.allowed);
        if (server_boxes_.measured)
            include(stage, *server_boxes_.measured);
    }
    if (options.player_size)
        include(stage, render::standing_hull);
    view_->set_stage(stage.value_or(empty_stage));
}

void ViewerWindow::blend_to(float blend) {
    pose_.blend = blend;
    sequence_panel_->show_blend(pose_.sequence, pose_.blend);
    show_pose();
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
    pose_.sequence = playback_->sequence();
    pose_.frame = playback_->frame(clock_->seconds());
    view_->show_pose(model_->draw(pose_));
    sequence_panel_->show_frame(pose_.sequence, pose_.frame, playback_->playing());
    clock_->set_running(playback_->playing());
}

void ViewerWindow::options_changed() {
    const auto options = server_panel_->chosen(view_panel_->chosen(view_->options()));
    view_->set_options(options);
    viewer::write_view_options(options);
}

void ViewerWindow::first_person_changed(bool on) {
    view_->set_first_person(on);
    viewer::write_first_person(eye_model_, on);
}

void ViewerWindow::set_background(const QColor& colour) {
    auto options = view_->options();
    options.background = render::rgb(colour.red(), colour.green(), colour.blue());
    view_->set_options(options);
    viewer::write_view_options(options);
    if (view_panel_)
        view_panel_->show_background(colour);
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

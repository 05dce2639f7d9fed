#pragma once

#include "model/studio_model.h"
#include "platform/message.h"
#include "render/overlays.h"
#include "render/playback.h"

#include <QString>
#include <QWidget>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMenuBar;
class QPushButton;
class QTabWidget;

namespace viewer {

class Clock;
class ModelView;
class SequencePanel;
class ServerPanel;
class TextureBrowser;
class ViewPanel;

// The model viewer's one window: the model named by its path, lit and textured and playing its
// first sequence, with its sequences to play, its body parts and skins to choose, view options,
// the model's facts and a picture to save, and its textures on a page of their own. A texture
// file shows only that page; a sequence group file says which model it belongs to and offers to
// open it. A file it cannot read gets a text in place of the model, and no file at all a text
// saying how to open one. File, Open and a model file dropped on the window put another model in
// the place of the one shown. Every control has an object name, by which tests find it.
class ViewerWindow final : public QWidget {
    Q_OBJECT

public:
    // Plays sequences by the clock, which the window takes as its child; without one, by the
    // real time.
    explicit ViewerWindow(const QString& path, Clock* clock = nullptr);
    ~ViewerWindow() override;

    // The picture as the view shows it.
    QImage picture();
    // Saves the picture as PNG; says in the window whether that worked.
    bool save_picture(const QString& path);
    // The background colour of the view, as the colour button chooses it.
    void set_background(const QColor& colour);

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Roomy, but within the available area of the screen it opens on, at whatever scale, and
    // never larger.
    void fit_into_screen();
    QMenuBar* build_menu_bar();
    void choose_model_to_open();
    // Tells the file's kind from its first bytes, then shows it as what it is.
    void open(const QString& path);
    // Takes the model shown, its panel and its textures' page away.
    void close_model();
    void show_model(const std::vector<std::uint8_t>& bytes);
    void show_texture_file(const std::vector<std::uint8_t>& bytes);
    // The textures' page, which scrolls where the window is small.
    void add_texture_page(TextureBrowser* textures);
    void show_group_file(const std::vector<std::uint8_t>& bytes);
    void show_failure(const QString& text);
    void show_unreadable(const platform::Messages& reasons);
    // Everything beside the picture, in a scroll area.
    QWidget* build_panel(const std::vector<std::uint8_t>& bytes);
    void show_facts();

    void choose_sequence(int sequence);
    void play_or_pause();
    void step(int frames);
    void slide_to(int frame);
    void blend_to(float blend);
    void tick();
    void options_changed();
    void first_person_changed(bool on);
    void choose_background();
    void choose_file_for_picture();
    // Frames the view and lays the ground for the whole of the sequence chosen.
    void frame_what_is_shown();
    // Poses the model as the choices and the playback say, and shows where playback stands.
    void show_pose();

    QTabWidget* pages_ = nullptr; // the picture of the model, and its textures
    ModelView* view_ = nullptr;
    QWidget* model_page_ = nullptr;   // the picture, and beside it the panel of a model shown
    QWidget* texture_page_ = nullptr; // the textures, where a file has them
    QWidget* message_page_ = nullptr;
    QLabel* message_ = nullptr;         // the reason a file could not be shown, or how to open one
    QPushButton* open_model_ = nullptr; // opens the model a sequence group file belongs to
    QAction* save_picture_ = nullptr;
    // Everything beside the picture, shown with a model; the panels down to status_ lie in it and
    // go with it.
    QWidget* panel_scroll_ = nullptr;
    SequencePanel* sequence_panel_ = nullptr;
    ServerPanel* server_panel_ = nullptr;
    ViewPanel* view_panel_ = nullptr;
    QLabel* facts_ = nullptr;
    QLabel* status_ = nullptr;

    Clock* clock_;
    QString path_;
    QString file_name_;
    bool eye_model_ = false; // the game shows it from the eye
    QString owner_path_;     // of the model a sequence group file belongs to
    bool shown_ = false;
    std::optional<model::StudioModel> model_;
    std::unique_ptr<render::Playback> playback_;
    render::ServerBoxes server_boxes_; // what the server box draws for the model shown
    model::Pose pose_;
};

} // namespace viewer

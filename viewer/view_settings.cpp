#include "viewer/view_settings.h"

#include "gui/settings_store.h"
#include "gui/text.h"

#include <QColor>
#include <QString>

namespace viewer {

namespace {

constexpr char section[] = "viewer";

const char* first_person_key(bool eye_model) {
    return eye_model ? "first_person_eye_models" : "first_person_other_models";
}

bool read_switch(const gui::SettingsStore& store, const char* key, bool fallback) {
    const auto value = store.read(section, key);
    return value ? *value == "true" : fallback;
}

void write_switch(gui::SettingsStore& store, const char* key, bool on) {
    store.write(section, key, on ? "true" : "false");
}

} // namespace

render::ViewOptions read_view_options() {
    const gui::SettingsStore store;
    render::ViewOptions options;
    options.textures = read_switch(store, "textures", options.textures);
    options.wireframe = read_switch(store, "wireframe", options.wireframe);
    options.bones = read_switch(store, "bones", options.bones);
    options.ground = read_switch(store, "ground", options.ground);
    options.server_box = read_switch(store, "server_box", options.server_box);
    options.player_size = read_switch(store, "player_size", options.player_size);
    const QColor background(gui::qtext(store.read(section, "background").value_or("")));
    if (background.isValid())
        options.background = render::rgb(background.red(), background.green(), background.blue());
    return options;
}

void write_view_options(const render::ViewOptions& options) {
    gui::SettingsStore store;
    write_switch(store, "textures", options.textures);
    write_switch(store, "wireframe", options.wireframe);
    write_switch(store, "bones", options.bones);
    write_switch(store, "ground", options.ground);
    write_switch(store, "server_box", options.server_box);
    write_switch(store, "player_size", options.player_size);
    const QColor background(render::red_of(options.background),
                            render::green_of(options.background),
                            render::blue_of(options.background));
    store.write(section, "background", gui::core_text(background.name()));
}

bool read_first_person(bool eye_model) {
    return read_switch(gui::SettingsStore(), first_person_key(eye_model), eye_model);
}

void write_first_person(bool eye_model, bool on) {
    gui::SettingsStore store;
    write_switch(store, first_person_key(eye_model), on);
}

} // namespace viewer

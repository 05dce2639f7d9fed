#include "viewer/folders.h"

#include "gui/settings_store.h"
#include "gui/text.h"

#include <QDir>
#include <QFileInfo>

namespace viewer {

namespace {

constexpr char section[] = "viewer";
constexpr char open_key[] = "open_folder";

// The folder kept under the key, if it still exists.
QString remembered(const char* key) {
    const QString folder = gui::qtext(gui::SettingsStore().read(section, key).value_or(""));
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void remember(const char* key, const QString& folder) {
    gui::SettingsStore().write(section, key, gui::core_text(folder));
}

QString folder_of(const QString& file) {
    return QFileInfo(file).absolutePath();
}

} // namespace

QString folder_to_open_from(const QString& shown_model) {
    const QString last = remembered(open_key);
    if (!last.isEmpty() || shown_model.isEmpty())
        return last;
    return folder_of(shown_model);
}

void remember_folder_opened_from(const QString& model) {
    remember(open_key, folder_of(model));
}

} // namespace viewer

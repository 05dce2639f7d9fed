#include "viewer/folders.h"

#include "gui/settings_store.h"
#include "gui/text.h"
#include "platform/extraction_folder.h"
#include "platform/names.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace viewer {

namespace {

constexpr char section[] = "viewer";
constexpr char open_key[] = "open_folder";
constexpr char picture_key[] = "picture_folder";

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

bool in_extraction_folder(const QString& file) {
    const QStringList names = QDir::fromNativeSeparators(folder_of(file)).split(QLatin1Char('/'));
    return std::any_of(names.begin(), names.end(), [](const QString& name) {
        return platform::same_name(gui::core_text(name), platform::extraction_folder_name);
    });
}

QString pictures_folder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return !pictures.isEmpty() && QDir(pictures).exists() ? pictures : QDir::homePath();
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

QString folder_for_picture(const QString& model) {
    if (const QString last = remembered(picture_key); !last.isEmpty())
        return last;
    return in_extraction_folder(model) ? pictures_folder() : folder_of(model);
}

void remember_folder_of_picture(const QString& model, const QString& picture) {
    // A picture saved beside its model leads the next beside its own model; the extraction
    // folder is never remembered.
    const bool beside = QFileInfo(folder_of(picture)) == QFileInfo(folder_of(model));
    remember(picture_key, beside || in_extraction_folder(picture) ? QString() : folder_of(picture));
}

} // namespace viewer

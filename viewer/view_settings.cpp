#include "viewer/view_settings.h"

#include <QColor>
#include <QSettings>

namespace viewer {

namespace {

QSettings store() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tessary"),
                     QStringLiteral("Tessary"));
}

} // namespace

ViewOptions read_view_options() {
    ViewOptions options;
    auto settings = store();
    settings.beginGroup(QStringLiteral("viewer"));
    options.textures = settings.value(QStringLiteral("textures"), options.textures).toBool();
    options.wireframe = settings.value(QStringLiteral("wireframe"), options.wireframe).toBool();
    options.bones = settings.value(QStringLiteral("bones"), options.bones).toBool();
    options.ground = settings.value(QStringLiteral("ground"), options.ground).toBool();
    const QColor background(settings.value(QStringLiteral("background")).toString());
    if (background.isValid())
        options.background = rgb(background.red(), background.green(), background.blue());
    return options;
}

void write_view_options(const ViewOptions& options) {
    auto settings = store();
    settings.beginGroup(QStringLiteral("viewer"));
    settings.setValue(QStringLiteral("textures"), options.textures);
    settings.setValue(QStringLiteral("wireframe"), options.wireframe);
    settings.setValue(QStringLiteral("bones"), options.bones);
    settings.setValue(QStringLiteral("ground"), options.ground);
    settings.setValue(QStringLiteral("background"),
                      QColor(red_of(options.background), green_of(options.background),
                             blue_of(options.background))
                          .name());
}

} // namespace viewer

#include "viewer/model_facts.h"

#include "gui/text.h"

#include <QLocale>
#include <QStringList>

namespace viewer {

namespace {

QString point(model::Vec3 p) {
    return QStringLiteral("(%1, %2, %3)")
        .arg(static_cast<double>(p.x), 0, 'f', 1)
        .arg(static_cast<double>(p.y), 0, 'f', 1)
        .arg(static_cast<double>(p.z), 0, 'f', 1);
}

} // namespace

QString model_facts(const model::StudioModel& model, const QString& file_name, qint64 file_size,
                    const model::DrawList& shown) {
    const QLocale locale;
    std::size_t triangles = 0;
    for (const auto& mesh : shown.meshes)
        triangles += mesh.triangles.size();

    QStringList lines;
    lines << QStringLiteral("%1, %2 bytes").arg(file_name, locale.toString(file_size));
    lines << QStringLiteral("Name in the file: %1").arg(gui::qtext(model.name()));
    lines << QStringLiteral("Bones: %1").arg(model.bone_count());
    lines << QStringLiteral("Sequences: %1").arg(model.sequences().size());
    lines << QStringLiteral("Body parts: %1").arg(model.body_parts().size());
    lines << QStringLiteral("Skin families: %1").arg(model.skin_families());
    lines << QStringLiteral("Textures: %1").arg(model.textures().size());
    for (const auto& texture : model.textures()) {
        lines << QStringLiteral("    %1, %2 × %3")
                     .arg(gui::qtext(texture.name))
                     .arg(texture.width)
                     .arg(texture.height);
    }
    lines << QStringLiteral("Triangles shown: %1").arg(locale.toString(qulonglong{triangles}));
    lines << QStringLiteral("Bounds: %1 to %2").arg(point(shown.min), point(shown.max));
    return lines.join(QLatin1Char('\n'));
}

} // namespace viewer

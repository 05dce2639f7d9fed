#include "viewer/model_facts.h"

#include "gui/text.h"
#include "model/bytes.h"
#include "model/limits.h"
#include "model/server_check_words.h"
#include "platform/file_system.h"

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

QString server_facts(const QString& path, const QString& file_name, bool& refused) {
    refused = false;
    const auto content =
        platform::read_file(platform::Path(path.toStdString()), model::limits::file_size);
    if (!content)
        return QStringLiteral("The file cannot be read again: %1.")
            .arg(QString::fromStdString(content.why()));
    const std::string name = file_name.toStdString();
    const auto check = model::check_for_servers(model::bytes_of(*content), name);
    const auto words = [](const std::string& text) { return QString::fromStdString(text); };
    QStringList lines;
    if (check.measured)
        lines << QStringLiteral("Servers measure its box as %1.")
                     .arg(words(model::box_words(*check.measured)));
    const QString reason = words(model::verdict_reason(check, name));
    switch (check.verdict) {
    case model::Verdict::accepted:
        lines << QStringLiteral("As %1, servers accept it: it is %2.").arg(file_name, reason);
        break;
    case model::Verdict::refused:
        refused = true;
        lines << QStringLiteral("As %1, servers refuse it: %2. A server that enforces file "
                                "consistency, as servers do unless told otherwise, drops a player "
                                "who uses it.")
                     .arg(file_name, reason);
        break;
    case model::Verdict::not_checked:
        lines << QStringLiteral("No server checks a file named %1.").arg(file_name);
        break;
    case model::Verdict::cannot_tell:
        lines << QStringLiteral("As %1, whether servers accept it cannot be told: %2.")
                     .arg(file_name, reason);
        break;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace viewer

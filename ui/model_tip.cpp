#include "ui/model_tip.h"

#include "core/checks/check_rows.h"
#include "gui/text.h"
#include "gui/words.h"
#include "model/server_check_words.h"
#include "platform/file_system.h"
#include "ui/model_pictures.h"

#include <QBuffer>
#include <QCoreApplication>

namespace ui {

namespace {

// Where the tip's words are translated.
struct ModelTip {
    Q_DECLARE_TR_FUNCTIONS(ModelTip)
};

// What the game and servers make of the checked file, in a sentence.
QString verdict_sentence(const core::CheckRow& row) {
    using Found = core::CheckRow::Found;
    switch (row.found) {
    case Found::unread:
    case Found::companion:
        return {};
    case Found::unreadable:
        return ModelTip::tr("It cannot be read: %1.").arg(gui::words(row.reason));
    case Found::not_a_model:
        return ModelTip::tr("It is not a model file.");
    case Found::model:
        break;
    }
    if (row.unloadable())
        return ModelTip::tr("The game cannot load it: %1.")
            .arg(gui::words(*row.check.load_refusal));
    const auto reason = gui::words(model::verdict_reason(row.check.servers, row.file));
    switch (row.check.servers.verdict) {
    case model::Verdict::accepted:
        return ModelTip::tr("Servers accept it.");
    case model::Verdict::refused:
        return ModelTip::tr("Servers refuse it: it is %1.").arg(reason);
    case model::Verdict::not_checked:
        return ModelTip::tr("No server checks it.");
    case model::Verdict::cannot_tell:
        return ModelTip::tr("Whether servers accept it cannot be told: %1.").arg(reason);
    }
    return {};
}

// The picture as a rich text's image, a picture_size square whatever its pixels.
QString image_html(const QImage& picture) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return QStringLiteral("<img width=\"%1\" height=\"%1\" src=\"data:image/png;base64,%2\">")
        .arg(picture_size)
        .arg(QString::fromLatin1(png.toBase64()));
}

} // namespace

QString model_tip(const core::Library& library, const core::LibraryModel& model,
                  qreal pixel_ratio) {
    for (const auto& file : core::previewed_files(model.kind, model.type)) {
        core::CheckRow row{core::CheckRow::Place::library, model.kind, model.type, model.name, file,
                           library.file(model, file)};
        if (!platform::is_ordinary_file(row.path))
            continue;
        const auto [checked, picture] = checked_and_pictured(std::move(row), pixel_ratio);
        return QStringLiteral("<table><tr><td>%1</td><td width=\"220\">%2<br>%3</td></tr></table>")
            .arg(image_html(picture.isNull() ? plain_mark(pixel_ratio) : picture),
                 gui::qtext(file).toHtmlEscaped(), verdict_sentence(checked).toHtmlEscaped());
    }
    return {};
}

} // namespace ui

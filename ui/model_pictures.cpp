#include "ui/model_pictures.h"

#include "model/studio_model.h"
#include "render/model_picture.h"

#include <QPainter>

#include <cmath>

namespace ui {

namespace {

int pixels_for(qreal pixel_ratio) {
    return static_cast<int>(std::lround(picture_size * pixel_ratio));
}

} // namespace

QImage model_picture(model::KeptFile file, const core::Path& path, qreal pixel_ratio) {
    const auto model = model::load_model(std::move(file), path.text(), model::Sequences::first);
    if (!model)
        return {};
    const auto image = render::model_picture(*model, render::seen_from_the_eye(path.file_name()),
                                             pixels_for(pixel_ratio));
    if (image.pixels.empty())
        return {};
    QImage picture(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                   image.width * 4, QImage::Format_RGB32);
    picture = picture.copy(); // out of the renderer's pixels, which go with it
    picture.setDevicePixelRatio(pixel_ratio);
    return picture;
}

QImage plain_mark(qreal pixel_ratio) {
    QImage mark(pixels_for(pixel_ratio), pixels_for(pixel_ratio), QImage::Format_ARGB32);
    mark.setDevicePixelRatio(pixel_ratio);
    mark.fill(Qt::transparent);
    QPainter painter(&mark);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x9A, 0x9A, 0x9A), 2, Qt::DashLine));
    const QRectF frame(picture_size * 0.2, picture_size * 0.2, picture_size * 0.6,
                       picture_size * 0.6);
    painter.drawRoundedRect(frame, 6, 6);
    return mark;
}

PicturedRow checked_and_pictured(core::CheckRow row, qreal pixel_ratio) {
    auto file = core::open_row_file(row);
    core::check_row(row, file);
    QImage picture = row.found == core::CheckRow::Found::model && !row.unloadable()
                         ? model_picture(std::move(*file), row.path, pixel_ratio)
                         : QImage();
    return {std::move(row), std::move(picture)};
}

} // namespace ui

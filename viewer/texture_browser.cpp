#include "viewer/texture_browser.h"

#include "gui/controls.h"
#include "gui/text.h"
#include "gui/words.h"
#include "model/texture_bitmap.h"
#include "platform/file_system.h"
#include "platform/names.h"
#include "viewer/folders.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace viewer {

namespace {

constexpr int swatch_size = 10; // pixels per palette entry, 16 entries a row

QString flags_of(const model::Texture& texture) {
    QStringList flags;
    if (texture.masked)
        flags << TextureBrowser::tr("masked");
    if (texture.chrome)
        flags << TextureBrowser::tr("chrome");
    if (texture.full_bright)
        flags << TextureBrowser::tr("full bright");
    if (texture.additive)
        flags << TextureBrowser::tr("additive");
    return flags.join(QStringLiteral(", "));
}

// The texture's indices in its palette; index 255 of a masked texture is transparent, as drawn.
QImage indexed_image(const model::Texture& texture) {
    QImage image(texture.width, texture.height, QImage::Format_Indexed8);
    const auto colours = model::colours_of(texture); // as QRgb holds them
    image.setColorTable(QList<QRgb>(colours.begin(), colours.end()));
    for (int y = 0; y < texture.height; ++y)
        std::memcpy(image.scanLine(y),
                    texture.indices.data() + static_cast<std::size_t>(y) * texture.width,
                    static_cast<std::size_t>(texture.width));
    return image;
}

QPixmap palette_picture(const QImage& image) {
    QPixmap picture(16 * swatch_size, 16 * swatch_size);
    QPainter painter(&picture);
    const QList<QRgb> colours = image.colorTable();
    for (int i = 0; i < 256; ++i)
        painter.fillRect((i % 16) * swatch_size, (i / 16) * swatch_size, swatch_size, swatch_size,
                         QColor(colours.value(i) | ~RGB_MASK));
    return picture;
}

} // namespace

TextureBrowser::TextureBrowser(const std::vector<model::Texture>& textures, const QString& model,
                               QWidget* parent)
    : QWidget(parent), textures_(textures), model_(model) {
    setObjectName(QStringLiteral("texture_browser"));
    note_ = gui::wrapping(gui::named(new QLabel, "texture_note"));
    note_->hide();
    list_ = gui::named(new QTreeWidget, "texture_list");
    list_->setHeaderLabels({tr("Name"), tr("Size"), tr("Flags")});
    list_->setRootIsDecorated(false);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const auto& texture : textures_) {
        list_->addTopLevelItem(new QTreeWidgetItem(
            {gui::qtext(texture.name),
             QStringLiteral("%1 × %2").arg(texture.width).arg(texture.height), flags_of(texture)}));
    }
    palette_ = gui::named(new QLabel, "texture_palette");
    palette_->setToolTip(tr("The texture's 256 colours, row by row from index 0"));
    picture_ = gui::named(new QLabel, "texture_picture");
    picture_->setAlignment(Qt::AlignCenter);
    scroll_ = gui::named(new QScrollArea, "texture_scroll");
    scroll_->setWidget(picture_);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignCenter);
    fit_ = gui::named(new QCheckBox(tr("&Fit to the view")), "fit_texture");
    fit_->setToolTip(tr("Shows the texture as large as fits, else at one pixel a texel"));
    fit_->setChecked(true);
    save_ = gui::named(new QPushButton(tr("Save t&exture...")), "save_texture");
    save_->setToolTip(tr("Saves the texture as an 8-bit BMP with its palette, or as PNG"));
    status_ = gui::wrapping(gui::named(new QLabel, "texture_status"));

    auto* side = new QVBoxLayout;
    side->addWidget(list_, 1);
    side->addWidget(new QLabel(tr("Palette")));
    side->addWidget(palette_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(fit_);
    buttons->addStretch(1);
    buttons->addWidget(save_);
    auto* main = new QVBoxLayout;
    main->addWidget(scroll_, 1);
    main->addLayout(buttons);
    main->addWidget(status_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(side);
    columns->addLayout(main, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addLayout(columns, 1);

    connect(list_, &QTreeWidget::currentItemChanged, this, &TextureBrowser::show_texture);
    connect(fit_, &QCheckBox::toggled, this, &TextureBrowser::show_picture);
    connect(save_, &QPushButton::clicked, this, &TextureBrowser::choose_file);
    save_->setEnabled(false);
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
}

void TextureBrowser::set_note(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

const model::Texture* TextureBrowser::chosen() const {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    return row >= 0 ? &textures_[static_cast<std::size_t>(row)] : nullptr;
}

void TextureBrowser::show_texture() {
    const model::Texture* texture = chosen();
    image_ = texture ? indexed_image(*texture) : QImage();
    palette_->setPixmap(texture ? palette_picture(image_) : QPixmap());
    save_->setEnabled(texture != nullptr);
    status_->clear();
    show_picture();
}

void TextureBrowser::show_picture() {
    const bool fit = fit_->isChecked();
    const auto policy = fit ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
    scroll_->setHorizontalScrollBarPolicy(policy);
    scroll_->setVerticalScrollBarPolicy(policy);
    if (image_.isNull()) {
        picture_->clear();
        return;
    }
    QPixmap pixmap = QPixmap::fromImage(image_);
    if (fit) {
        // Enlarged by whole texels, so that each stays square and sharp; shrunk smoothly.
        const QSize room = scroll_->viewport()->size();
        const double scale = std::min(static_cast<double>(room.width()) / pixmap.width(),
                                      static_cast<double>(room.height()) / pixmap.height());
        if (scale >= 2)
            pixmap = pixmap.scaled(pixmap.size() * static_cast<int>(scale), Qt::KeepAspectRatio,
                                   Qt::FastTransformation);
        else if (scale < 1)
            pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    picture_->setPixmap(pixmap);
}

void TextureBrowser::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fit_->isChecked())
        show_picture();
}

bool TextureBrowser::save_texture(const QString& path) {
    const model::Texture* texture = chosen();
    if (!texture)
        return false;
    std::string bytes;
    if (platform::same_name(gui::core_text(QFileInfo(path).suffix()), "png")) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        indexed_image(*texture).save(&buffer, "PNG");
        bytes.assign(png.constData(), static_cast<std::size_t>(png.size()));
    } else {
        const auto bitmap = model::indexed_bitmap(*texture);
        bytes.assign(bitmap.begin(), bitmap.end());
    }
    const auto written = platform::write_file(gui::path_of(path), bytes);
    const QString name = gui::qtext(texture->name);
    status_->setText(
        written
            ? tr("%1 was saved as %2.").arg(name, QFileInfo(path).fileName())
            : tr("%1 could not be saved as %2: %3.").arg(name, path, gui::words(written.why())));
    return written.ok();
}

void TextureBrowser::choose_file() {
    const model::Texture* texture = chosen();
    if (!texture)
        return;
    const QString bitmap_filter = tr("8-bit BMP with its palette (*.bmp)");
    const QString png_filter = tr("PNG (*.png)");
    QString base = QFileInfo(gui::qtext(texture->name)).completeBaseName();
    if (base.isEmpty())
        base = QStringLiteral("texture");
    QString filter = bitmap_filter;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Save texture"), QDir(folder_for_picture(model_)).filePath(base + ".bmp"),
        bitmap_filter + QStringLiteral(";;") + png_filter, &filter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += filter == png_filter ? QStringLiteral(".png") : QStringLiteral(".bmp");
    if (save_texture(path))
        remember_folder_of_picture(model_, path);
}

} // namespace viewer

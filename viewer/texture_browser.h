#pragma once

#include "model/studio_model.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTreeWidget;

namespace viewer {

// The model's textures to look at and save: a list of them with their sizes and how each is drawn,
// the chosen one flat, at 1:1 or fitted to the view, beside its palette; "Save texture..." writes
// it as an 8-bit BMP with its palette, as the game's textures are made, or as PNG.
class TextureBrowser final : public QWidget {
    Q_OBJECT

public:
    // The textures, of the model file at that path, outlive the browser. Save texture... starts
    // where a picture of the model would be saved.
    TextureBrowser(const std::vector<model::Texture>& textures, const QString& model,
                   QWidget* parent = nullptr);

    // A line above the list, saying whose textures these are.
    void set_note(const QString& text);
    // Saves the chosen texture, as PNG when the path ends in ".png", else as BMP; says in the
    // browser whether that worked.
    bool save_texture(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void show_texture();
    void show_picture();
    void choose_file();
    const model::Texture* chosen() const;

    const std::vector<model::Texture>& textures_;
    QString model_;
    QLabel* note_;
    QTreeWidget* list_;
    QScrollArea* scroll_;
    QLabel* picture_;
    QLabel* palette_;
    QCheckBox* fit_;
    QPushButton* save_;
    QLabel* status_;
    QImage image_; // the chosen texture in its palette
};

} // namespace viewer
